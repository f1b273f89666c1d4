// The typical dialogue typed into the page: the log is the program's standard output with each
// answer after its prompt, and the report shown and downloaded is "The Item.txt", byte for byte.
"use strict";
const fs = require("node:fs");
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typeAnswers,
        answerBox, screenshot } = require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await waitForOutputEnding(page, expected.firstQuestion);
  assert.equal((await readLog(page)).out, expected.firstQuestion);
  assert.ok(await answerBox(page).evaluate((box) => box === document.activeElement));
  const newItem = page.getByRole("button", { name: "New item" });
  assert.ok(await newItem.isDisabled());
  await screenshot(page, "first-question.png");

  await typeAnswers(page, expected.typicalInput);
  await waitForRunEnd(page);
  const { out, answers } = await readLog(page);
  assert.equal(out, expected.typicalDialogue + expected.closingMessage);
  assert.deepEqual(answers, expected.typicalInput.split(/(?<=\n)/));
  // Each answer follows the prompt it answers.
  const prompts = await page.locator("[role=log] kbd").evaluateAll((kbds) =>
    kbds.map((kbd) => kbd.previousSibling.textContent.split("\n").pop()));
  assert.deepEqual(prompts, ["What classification of item: ", "", "",
                             "Which Sword: ", "What modifications do you wish to add: ",
                             "What category of prefixes: ", "Which Prefix: ",
                             "Which Category of Suffixes: ", "Which Suffix: "]);
  assert.equal(await page.getByRole("alert").count(), 0);
  // The report is scrolled into view, its heading has the focus and the status says the item is
  // ready; Enter in the answer field starts nothing.
  const heading = page.getByRole("heading", { name: "The Item.txt" });
  assert.ok(await heading.evaluate((element) => element === document.activeElement));
  assert.ok(await page.locator("#report").isVisible() &&
            await page.locator("#report").evaluate((element) =>
              element.getBoundingClientRect().bottom <= innerHeight));
  assert.match(await page.getByRole("status").textContent(), /^The item is ready: Sword: Short Sword/);
  await answerBox(page).press("Enter");
  assert.equal((await readLog(page)).out, expected.typicalDialogue + expected.closingMessage);

  const report = page.getByRole("region", { name: "The Item.txt" });
  assert.equal(await report.textContent(), expected.typicalReport);
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    page.getByRole("link", { name: "Download The Item.txt" }).click(),
  ]);
  assert.equal(download.suggestedFilename(), "The Item.txt");
  assert.equal(fs.readFileSync(await download.path(), "latin1"), expected.typicalReport);
  await screenshot(page, "finished-run.png");

  // "New item", pressed with the keyboard, starts a new run on the same page, with the focus back
  // on the answer field.
  await newItem.focus();
  await page.keyboard.press("Enter");
  await waitForOutputEnding(page, expected.firstQuestion);
  assert.equal((await readLog(page)).out, expected.firstQuestion);
  assert.ok(await answerBox(page).evaluate((box) => box === document.activeElement));
});
