// The page on a phone, from 320 to 430 px wide: the menu awaiting an answer keeps the console's
// columns, no entry of it wrapped, each entry 44 px tall at least; the log scrolls sideways within
// itself, in text of 14 px at least, and the controls are 44 by 44 px at least.
"use strict";
const { assert, browserTest, waitForOutputEnding, typeAnswers, answerBox } =
  require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.setViewportSize({ width: 360, height: 740 });
  await page.goto(server.url);
  assert.equal(await answerBox(page).getAttribute("enterkeyhint"), "send");
  await typeAnswers(page, "1\n");  // the categories: 18 entries in three columns
  await waitForOutputEnding(page, "18. Ring\n\n");
  await page.waitForFunction(() => document.querySelectorAll("[role=log] [role=button]").length);

  for (const width of [320, 360, 430]) {
    await page.setViewportSize({ width, height: 740 });
    const layout = await page.evaluate(() => {
      const log = document.querySelector("[role=log]");
      const box = (element) => element.getBoundingClientRect();
      const entries = [...log.querySelectorAll("[role=button]")].map((entry) => ({
        number: +entry.textContent.match(/^\d+/)[0], top: box(entry).top, left: box(entry).left,
        height: box(entry).height, boxes: entry.getClientRects().length }));
      return {
        entries,
        fontSize: parseFloat(getComputedStyle(log).fontSize),
        logScrolls: log.scrollWidth > log.clientWidth,
        pageScrolls: document.documentElement.scrollWidth > innerWidth,
        controls: ["answer", "send", "back", "stop", "new-item"].map((id) =>
          [id, box(document.getElementById(id)).width, box(document.getElementById(id)).height]),
      };
    });
    assert.equal(layout.entries.length, 18);
    assert.ok(layout.fontSize >= 14, `${width} px: text of ${layout.fontSize} px`);
    assert.ok(layout.logScrolls && !layout.pageScrolls, `${width} px: the log must scroll sideways, not the page`);
    for (const entry of layout.entries) {
      assert.ok(entry.boxes === 1 && entry.height >= 44 && entry.height < 88,
                `${width} px: entry ${entry.number} is ${entry.height} px high`);
      // Rows and columns as the console has them: 1, 7 and 13 on one row; 1 to 6 in a column.
      const numbered = (number) => layout.entries.find((other) => other.number === number);
      const row = numbered((entry.number - 1) % 6 + 1);
      const column = numbered(entry.number - (entry.number - 1) % 6);
      assert.ok(Math.abs(entry.top - row.top) < 0.5 && Math.abs(entry.left - column.left) < 0.5,
                `${width} px: entry ${entry.number} is out of its row or column`);
    }
    for (const [id, controlWidth, height] of layout.controls) {
      assert.ok(controlWidth >= 44 && height >= 44, `${width} px: #${id} is ${controlWidth}×${height}`);
    }
  }
});
