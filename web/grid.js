// The console grid the page draws: 80 columns, 49 rows, a block per row,
// so that a key lays out only the rows it changed, and the grid still
// selects and copies as 49 lines of text. A row holds a span per run of
// one colour, and remembers its text, colours and runs, so that the next
// frame touches only what differs.
"use strict";

(function (parts) {
  const COLUMNS = 80;
  const ROWS = 49;

  // The fewest runs of one colour that show a row, as [first column,
  // colour]. A blank shows no colour, so it joins the run it stands in.
  function colourRuns(text, colours) {
    const runs = [];
    let colour = -1;
    for (let column = 0; column < COLUMNS; column++) {
      if (text[column] !== " " && colours[column] !== colour) {
        runs.push([runs.length === 0 ? 0 : column, colours[column]]);
        colour = colours[column];
      }
    }
    return runs.length > 0 ? runs : [[0, colours[0]]];
  }

  // The runs a row shows, in the colours of its new text, if each still
  // holds text of one colour; null if one would have to split, or if the
  // row shows none yet.
  function keptRuns(runs, text, colours) {
    if (runs.length === 0) {
      return null;
    }
    const kept = [];
    for (let index = 0; index < runs.length; index++) {
      const [start, shown] = runs[index];
      const end = index + 1 < runs.length ? runs[index + 1][0] : COLUMNS;
      let colour = -1;
      for (let column = start; column < end; column++) {
        if (text[column] === " " || colours[column] === colour) {
          continue;
        }
        if (colour !== -1) {
          return null;
        }
        colour = colours[column];
      }
      kept.push([start, colour === -1 ? shown : colour]);
    }
    return kept;
  }

  // The text of each run, from its first column to the next run's.
  function runTexts(runs, text) {
    return runs.map(([start], index) =>
      text.slice(start, index + 1 < runs.length ? runs[index + 1][0] : COLUMNS));
  }

  // Redraws one row. It keeps its spans while each still holds text of one
  // colour, and only the texts and colours that differ are written: the
  // browser then lays out again only what changed, and a highlight that
  // moves is only recoloured. Otherwise the row gets the fewest runs anew.
  function drawRow(row, text, colours) {
    const kept = keptRuns(row.runs, text, colours);
    const runs = kept || colourRuns(text, colours);
    const parts = runTexts(runs, text);
    if (kept) {
      const shownParts = runTexts(row.runs, row.text);
      runs.forEach(([, colour], index) => {
        const span = row.element.children[index];
        if (colour !== row.runs[index][1]) {
          span.className = "c" + colour;
        }
        if (parts[index] !== shownParts[index]) {
          span.firstChild.data = parts[index];
        }
      });
    } else {
      row.element.replaceChildren(...runs.map(([, colour], index) => {
        const span = document.createElement("span");
        span.className = "c" + colour;
        span.textContent = parts[index];
        return span;
      }));
    }
    row.runs = runs;
    row.text = text;
    row.colours = colours;
  }

  // The grid in the element given, blank. draw(updates) shows the rows
  // the game changed ({row, text, colours}); text(row) and colour(column,
  // row) read back what it shows, for the page's tests and tools.
  function Grid(element) {
    const rows = [];
    for (let row = 0; row < ROWS; row++) {
      const block = document.createElement("div");
      block.textContent = " ".repeat(COLUMNS);
      rows.push({ element: block, text: " ".repeat(COLUMNS), colours: [], runs: [] });
    }
    element.replaceChildren(...rows.map((row) => row.element));
    return {
      draw(updates) {
        for (const update of updates) {
          drawRow(rows[update.row], update.text, update.colours);
        }
      },
      text: (row) => rows[row].text,
      colour: (column, row) => rows[row].colours[column],
    };
  }

  parts.Grid = Grid;
  parts.COLUMNS = COLUMNS;
  parts.ROWS = ROWS;
})(window.ancientEvil = window.ancientEvil || {});
