// What the browser tests share: a static server for the site on 127.0.0.1, headless Chromium
// with a fresh profile, typing answers into the page and reading it back, the stored working
// folder, axe-core's findings, and the expected texts of the C++ end-to-end tests (printed by
// the expected_texts helper).
"use strict";
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");

// Arguments: the build folder of the web preset.
const build = path.resolve(process.argv[2] || "build/web");
const site = path.join(build, "site");
const screenshots = path.join(build, "screenshots");

const expected = JSON.parse(
  execFileSync(process.execPath, ["--no-experimental-fetch", path.join(build, "tests", "expected_texts.js")],
               { encoding: "utf8" }));

const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
                ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml",
                ".png": "image/png", ".ico": "image/x-icon" };

// Serves the site folder on a free port of 127.0.0.1 until close().
async function serveSite() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
    const file = path.join(site, name === "/" ? "index.html" : name);
    if (!file.startsWith(site + path.sep) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => {
      server.close();
      server.closeAllConnections();
    },
  };
}

// Debian's chromium, headless, offline, with a profile of its own that is removed at the end.
async function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tessark-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    acceptDownloads: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  return {
    context,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Runs `test(context, server)` with a browser and a server, and ends the process with its result.
function browserTest(test) {
  (async () => {
    const server = await serveSite();
    const browser = await startBrowser();
    try {
      await test(browser.context, server);
    } finally {
      await browser.close();
      server.close();
    }
  })().then(() => console.log("1 passed, 0 failed"), (error) => {
    console.error(error);
    console.log("0 passed, 1 failed");
    process.exitCode = 1;
  });
}

const log = (page) => page.getByRole("log", { name: "Dialogue" });
const answerBox = (page) => page.getByRole("textbox", { name: "Answer" });

// The log's text as the engine wrote it (without the answers shown in it), and the answers.
async function readLog(page) {
  return log(page).evaluate((element) => {
    let out = "";
    const answers = [];
    for (const node of element.childNodes) {
      if (node.nodeName === "KBD") answers.push(node.textContent);
      else out += node.textContent;
    }
    return { out, answers };
  });
}

// Waits until the engine's output ends with `text`.
async function waitForOutputEnding(page, text) {
  await page.waitForFunction((ending) => {
    const element = document.querySelector("[role=log]");
    let out = "";
    for (const node of element.childNodes) if (node.nodeName !== "KBD") out += node.textContent;
    return out.endsWith(ending);
  }, text);
}

// Types each answer of `input` ("1\n1\n...") after the prompt it answers appears, with Enter.
async function typeAnswers(page, input) {
  for (const line of input.split("\n").slice(0, -1)) {
    await page.waitForFunction(() => document.activeElement === document.querySelector("#answer"));
    await answerBox(page).type(line);
    await answerBox(page).press("Enter");
  }
}

// Waits until the run has ended: "New item" can be pressed.
async function waitForRunEnd(page) {
  await page.waitForFunction(() => !document.querySelector("#new-item").disabled);
}

// The typical dialogue typed from the first question to the end of its run.
async function typicalRun(page) {
  await typeAnswers(page, expected.typicalInput);
  await waitForRunEnd(page);
}

const reportRegion = (page) => page.getByRole("region", { name: "The Item.txt" });
const button = (page, name) => page.getByRole("button", { name, exact: true });

// The names of the menu entries that the page offers as buttons.
function offeredEntries(page) {
  return log(page).evaluate((element) =>
    [...element.querySelectorAll("[role=button]")].map((entry) => entry.textContent));
}

// The stored working folder as Emscripten's IDBFS keeps it, one entry per path: its mode, time
// and bytes (as one character each).
function storedFolder(page) {
  return page.evaluate(() => new Promise((resolve, reject) => {
    const opened = indexedDB.open("/tessark", 21);
    opened.onerror = () => reject(opened.error);
    opened.onsuccess = () => {
      const entries = {};
      const read = opened.result.transaction("FILE_DATA").objectStore("FILE_DATA").openCursor();
      read.onsuccess = () => {
        const cursor = read.result;
        if (!cursor) {
          opened.result.close();
          resolve(entries);
          return;
        }
        const { mode, timestamp, contents } = cursor.value;
        entries[cursor.key] = { mode, time: +timestamp,
                                bytes: contents && String.fromCharCode(...contents) };
        cursor.continue();
      };
    };
  }));
}

// What axe-core finds wrong with the page as it stands, one line per rule broken.
async function accessibilityFaults(page) {
  await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
  return page.evaluate(async () => (await axe.run()).violations.map((violation) =>
    `${violation.id}: ${violation.nodes.map((node) => node.target.join(" ")).join(", ")}`));
}

async function screenshot(page, name) {
  fs.mkdirSync(screenshots, { recursive: true });
  await page.screenshot({ path: path.join(screenshots, name), fullPage: true });
}

module.exports = { assert, build, expected, browserTest, serveSite, startBrowser, readLog,
                   waitForOutputEnding, waitForRunEnd, typeAnswers, typicalRun, answerBox,
                   reportRegion, button, offeredEntries, storedFolder, accessibilityFaults,
                   screenshot };
