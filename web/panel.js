// The choices of the frame on view as buttons a thumb can hit, with the
// message lines above them in a size a phone player reads without
// zooming, beside or under the grid, which stays the picture. They show
// on a touch screen and wherever the grid's rows are too small to aim at
// (window-fit.js says which). A button keeps its place from screen to
// screen: there is room for as many as a menu holds. A tap on one is the
// keys that choose it; on the title, a page of the story and at the end,
// one button goes on. "Играть снова" is the end's button, on any screen.
"use strict";

(function (parts) {
  parts.need("goingOn", "choiceTarget");
  const LABELS = { title: "Начать игру", other: "Далее" };

  // What the button in a place does on a record, as a tap target with its
  // label and whether it is the highlighted choice; null for none there.
  function buttonAt(record, place) {
    if (record === null) {
      return null;
    }
    if (!record.over && record.menu.choices.length > 0) {
      if (place >= record.menu.choices.length) {
        return null;
      }
      return Object.assign(parts.choiceTarget(record, place), {
        label: record.menu.choices[place], highlighted: place === record.menu.highlighted });
    }
    const going = parts.goingOn(record);
    if (going === null || place > 0 || going.again) {
      return null; // "Играть снова" is a button of its own
    }
    return Object.assign(going, { label: LABELS[record.kind] || LABELS.other, highlighted: true });
  }

  // panel: the element holding the lines (#lines) and the buttons
  // (#choices, with #again in it); game: shown(), taps, act(target).
  function Panel(panel, game) {
    const lines = panel.querySelector("#lines");
    const choices = panel.querySelector("#choices");
    const again = panel.querySelector("#again");
    const buttons = [];
    let on = false;
    let linesShown = "";
    let record = null; // the frame on view

    function button(place) {
      const made = document.createElement("button");
      made.type = "button";
      made.className = "choice";
      made.tabIndex = -1;
      made.style.visibility = "hidden";
      made.style.gridArea = place + 1 + " / 1"; // where "Играть снова" may stand too
      // A tap is a choice; the button never takes the focus, so that the
      // keyboard keeps playing the game.
      made.addEventListener("mousedown", (event) => event.preventDefault());
      made.addEventListener("click", (event) => {
        const target = game.taps.take(event, (record) => buttonAt(record, place));
        if (target !== null) {
          game.act(target);
        }
      });
      choices.insertBefore(made, again);
      return made;
    }

    again.addEventListener("click", (event) => {
      if (game.taps.take(event, (record) => parts.goingOn(record)) !== null) {
        game.act({ again: true });
      }
    });

    // The frame on view, in the lines and the buttons; true if buttons
    // were made for it, which changes the panel's size.
    function show(shown) {
      record = shown;
      if (!on || record === null) {
        return false;
      }
      const grew = buttons.length < record.menu.capacity;
      // The message lines are one text, broken where the grid's box ends;
      // each answer to a key is a line of its own.
      const text = record.actions.concat(record.lines.map((line) => line.trim()).join(" "))
        .map((line) => line.trim()).filter((line) => line !== "").join("\n");
      if (text !== linesShown) {
        lines.textContent = text;
        linesShown = text;
      }
      while (buttons.length < record.menu.capacity) {
        buttons.push(button(buttons.length));
      }
      buttons.forEach((shownButton, place) => {
        const target = buttonAt(record, place);
        const visibility = target === null ? "hidden" : "";
        if (shownButton.style.visibility !== visibility) {
          shownButton.style.visibility = visibility;
        }
        if (target === null) {
          return;
        }
        if (shownButton.textContent !== target.label) {
          shownButton.textContent = target.label;
        }
        if (shownButton.classList.contains("highlighted") !== target.highlighted) {
          shownButton.classList.toggle("highlighted", target.highlighted);
        }
      });
      return grew;
    }

    return {
      show,
      // The lines and the buttons shown, or only "Играть снова" at the end.
      setOn(shown) {
        on = shown;
        panel.classList.toggle("on", shown);
        show(record);
      },
    };
  }

  parts.Panel = Panel;
})(window.ancientEvil = window.ancientEvil || {});
