// The game told in words for a screen reader: a live region
// (aria-live="polite") says the sentences the game writes for each frame
// (its record's news), once the game waits for a key with none
// left to read, and whatever the game says at once (the hero's status on
// H, the whole screen again on R).
"use strict";

(function (parts) {
  const AGAIN = "Нажмите любую клавишу, чтобы начать новую игру.";

  function Narration(region) {
    function say(words) {
      // The same words again still change the region, so that they are
      // read again.
      region.textContent = words === region.textContent ? words + "\u00a0" : words;
    }

    return {
      say,
      // The news of the frame on view, as the game wrote it.
      frame(record) {
        if (record !== null && record.news.length > 0) {
          say(record.news.join(" "));
        }
      },
      over(record) {
        say((record === null ? [] : record.news).concat(AGAIN).join(" "));
      },
    };
  }

  parts.Narration = Narration;
})(window.ancientEvil = window.ancientEvil || {});
