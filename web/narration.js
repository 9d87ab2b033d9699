// The game told in words for a screen reader: after each key, a live
// region (aria-live="polite") says what a sighted player reads anew. The
// blows of a fight, shown for one frame only, each time; the message
// lines when they change; the highlighted choice when it moves or when
// nothing else is new, so that every key is answered. The title and the
// end are read whole, and the hero's status on request.
"use strict";

(function (parts) {
  parts.need("reading");
  const reading = parts.reading;

  function Narration(region, grid) {
    let lines = "";
    let choice = "";

    function say(words) {
      // The same words again still change the region, so that they are
      // read again.
      region.textContent = words === region.textContent ? words + "\u00a0" : words;
    }

    return {
      title() {
        lines = "";
        choice = "";
        say("Древнее Зло. " + reading.words(grid));
      },
      afterKey() {
        const said = [reading.actionLines(grid)];
        const newLines = reading.messageLines(grid);
        if (newLines !== lines) {
          said.push(newLines);
          lines = newLines;
        }
        const newChoice = reading.choiceSaid(reading.menu(grid));
        if (newChoice !== choice || said.join("") === "") {
          said.push(newChoice);
          choice = newChoice;
        }
        say(said.filter((words) => words !== "").join(" "));
      },
      over() {
        say(reading.messageLines(grid) + " Игра окончена. Нажмите любую клавишу, " +
          "чтобы начать новую.");
      },
      // False where the status column is not on view.
      status() {
        const status = reading.heroStatus(grid);
        if (status !== "") {
          say(status);
        }
        return status !== "";
      },
    };
  }

  parts.Narration = Narration;
})(window.ancientEvil = window.ancientEvil || {});
