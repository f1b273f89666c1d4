// The typical dialogue chosen entry by entry, by pointer and by keyboard: only the menu awaiting
// an answer is offered, its entries are buttons named by their text, number first, and each
// answers as typing its number does, so that the log, less the answers, is standard output.
"use strict";
const { assert, expected, browserTest, readLog, waitForRunEnd, reportRegion, offeredEntries } =
  require("./support.js");

const chosen = [
  ["1. Magical Item(blue)", 2], ["1. Sword", 18], ["1. Normal", 2], ["1. Short Sword", 14],
  ["3. Both a prefix and a suffix", 3], ["2. + Damage", 11], ["1. Jagged 110-120% Damage", 7],
  ["6. + Minimum Damage", 16], ["1. Worth +1 to Minimum Damage", 4]];

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  for (const [index, [name, count]] of chosen.entries()) {
    const entry = page.getByRole("button", { name, exact: true });
    await entry.waitFor();
    const offered = await offeredEntries(page);
    assert.equal(offered.length, count, name);
    assert.ok(offered.every((text) => /^\d+\.\s/.test(text)), offered.join());
    if (index === 2) {
      // A choice made by pointer leaves the keyboard on the next menu's first entry.
      assert.ok(await entry.evaluate((element) => element === document.activeElement));
      await page.keyboard.press("Enter");
    } else if (index === 3) {
      await page.keyboard.press("Space");
    } else {
      await entry.click();
    }
  }
  await waitForRunEnd(page);
  const { out, answers } = await readLog(page);
  assert.equal(out, expected.typicalDialogue + expected.closingMessage);
  assert.deepEqual(answers, expected.typicalInput.split(/(?<=\n)/));
  assert.deepEqual(await offeredEntries(page), []);
  assert.equal(await reportRegion(page).textContent(), expected.typicalReport);
});
