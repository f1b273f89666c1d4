// axe-core finds nothing wrong with the page, on a desktop and on a phone, in the light and the
// dark scheme, at the first question, with a finished report and after a failed run; the
// screenshots of build/web/screenshots show each, and the dialogue under way.
"use strict";
const { assert, expected, browserTest, waitForOutputEnding, waitForRunEnd, typeAnswers,
        typicalRun, button, accessibilityFaults, screenshot } = require("./support.js");

const sizes = { desktop: { width: 1280, height: 800 }, phone: { width: 360, height: 740 } };

browserTest(async (context, server) => {
  const page = await context.newPage();
  const faults = [];
  const look = async (name, scan = true) => {
    await screenshot(page, `${name}.png`);
    if (scan) faults.push(...(await accessibilityFaults(page)).map((fault) => `${name}: ${fault}`));
  };
  for (const [size, viewport] of Object.entries(sizes)) {
    for (const colorScheme of ["light", "dark"]) {
      await page.setViewportSize(viewport);
      await page.emulateMedia({ colorScheme });
      await page.goto(server.url);
      await waitForOutputEnding(page, expected.firstQuestion);
      await look(`${size}-${colorScheme}-first-question`);
      await typeAnswers(page, "1\n");
      await page.getByRole("button", { name: "18. Ring" }).waitFor();
      await look(`${size}-${colorScheme}-dialogue`, false);
      await typeAnswers(page, expected.typicalInput.slice(2));
      await waitForRunEnd(page);
      await look(`${size}-${colorScheme}-finished`);
      await button(page, "New item").click();
      await waitForOutputEnding(page, expected.firstQuestion);
      await button(page, "Stop").click();
      await page.getByRole("alert").waitFor();
      await look(`${size}-${colorScheme}-failed`);
    }
  }
  assert.deepEqual(faults, []);
});
