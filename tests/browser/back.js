// Back takes back the last answer: a new run is given the earlier answers again, the abandoned
// run stores nothing and lets go of the folder, and the earlier report stays, labelled as the
// earlier item, until a run ends.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typeAnswers,
        typicalRun, reportRegion, button, storedFolder } = require("./support.js");

const upTo = (text) => expected.typicalDialogue.slice(0, expected.typicalDialogue.indexOf(text));

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typicalRun(page);
  const folder = await storedFolder(page);

  await button(page, "New item").click();
  await typeAnswers(page, "1\n1\n1\n");  // at "Which Sword: "
  await waitForOutputEnding(page, "Which Sword: ");
  await button(page, "Back").click();
  await waitForOutputEnding(page, "2. Exceptional\n");
  assert.deepEqual(await readLog(page), { out: upTo("1. Short Sword"), answers: ["1\n", "1\n"] });
  assert.equal(await reportRegion(page).textContent(), expected.typicalReport);
  assert.ok(await page.getByRole("heading", { name: "The Item.txt, the earlier item", exact: true })
    .isVisible());
  assert.deepEqual(await storedFolder(page), folder);

  // Pressed twice at once, it takes back both answers, and then has none to take back.
  await button(page, "Back").dblclick();
  await waitForOutputEnding(page, expected.firstQuestion);
  assert.deepEqual(await readLog(page), { out: expected.firstQuestion, answers: [] });
  assert.ok(await button(page, "Back").isDisabled());

  // The run goes on to its end: the abandoned runs hold the folder no longer.
  await typeAnswers(page, expected.typicalInput);
  await waitForRunEnd(page);
  assert.deepEqual(await readLog(page), { out: expected.typicalDialogue + expected.closingMessage,
                                          answers: expected.typicalInput.split(/(?<=\n)/) });
  assert.equal(await page.getByRole("alert").count(), 0);
});
