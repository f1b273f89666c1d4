// Answers given one at a time give the bytes of the whole input given at once: to tessark-node
// through a pipe written line by line, to the engine under node one byte per read, and to the
// page typed answer by answer. Between them the engine waits at every kind of menu of both flows,
// at a question asked again and in the middle of an answer: every place where the functions that
// Asyncify instruments (cmake/web.cmake) must be the ones on the stack.
"use strict";
const { spawn, spawnSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { assert, build, browserTest, readLog, typeAnswers, waitForRunEnd, reportRegion, button } =
  require("./support.js");

const site = path.join(build, "site");
const launcher = path.join(build, "tessark-node");

// Each asks a question again: an answer without digits, a modification and a count out of range.
const dialogues = [
  ["magical", "x\n1\n1\n1\n1\n4\n3\n2\n1\n6\n1\n"],
  ["rare", "2\n11\n2\n15\n4\n3\n3\n1\n6\n2\n3\n3\n2\n4\n7\n18\n2\n12\n3\n"],
];

const sleep = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

// Runs `run(folder)` in a fresh working folder; gives its status and standard streams, with every
// file it left there, each as one character per byte.
async function inFreshFolder(run) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tessark-answers-"));
  try {
    fs.mkdirSync(path.join(folder, "files"));
    const { status, out, err } = await run(folder);
    const files = {};
    for (const name of fs.readdirSync(folder, { recursive: true }).sort()) {
      const file = path.join(folder, name);
      if (fs.statSync(file).isFile()) files[name] = fs.readFileSync(file, "latin1");
    }
    return { status, out: Buffer.concat(out).toString("latin1"),
             err: Buffer.concat(err).toString("latin1"), files };
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

function wholeInput(folder, input) {
  const run = spawnSync(launcher, [], { cwd: folder, input });
  return { status: run.status, out: [run.stdout], err: [run.stderr] };
}

// tessark-node through a pipe written one line at a time, as a player at a terminal answers.
async function lineByLine(folder, input) {
  const child = spawn(launcher, [], { cwd: folder });
  const out = [], err = [];
  let heard = 0, ended = false;
  child.stdout.on("data", (bytes) => {
    out.push(bytes);
    heard += 1;
  });
  child.stderr.on("data", (bytes) => err.push(bytes));
  child.stdin.on("error", () => {});  // an engine that ended early is told by its status
  const status = new Promise((resolve) => child.on("close", (code) => {
    ended = true;
    resolve(code);
  }));
  for (const line of input.split(/(?<=\n)/)) {
    // The engine has taken the line before once it answers, and waits once it falls silent.
    const before = heard;
    while (heard === before && !ended) await sleep(5);
    let seen;
    do {
      seen = heard;
      await sleep(30);
    } while (heard !== seen && !ended);
    child.stdin.write(line);
  }
  child.stdin.end();
  return { status: await status, out, err };
}

// The engine as the page and the launcher load it, with a host of its own that hands it one byte
// per read.
async function byteByByte(folder, input) {
  const createTessark = require(path.join(site, "tessark.js"));
  const bytes = Buffer.from(input);
  const out = [], err = [];
  let next = 0;
  const engine = await createTessark({
    readInput: async () => bytes.subarray(next, next < bytes.length ? ++next : next),
    writeOutput: (stream, written) => {
      (stream === 1 ? out : err).push(Buffer.from(written));
      return true;
    },
    wasmBinary: fs.readFileSync(path.join(site, "tessark.wasm")),
    preRun: [({ FS }) => {
      FS.mkdirTree(folder);
      FS.mount(FS.filesystems.NODEFS, { root: folder }, folder);
      FS.chdir(folder);
    }],
  });
  const argv = engine._malloc(8);
  engine.setValue(argv, engine.allocateUTF8("tessark"), "i32");
  engine.setValue(argv + 4, 0, "i32");
  const status = await engine.ccall("main", "number", ["number", "number"], [1, argv],
                                    { async: true });
  return { status, out, err };
}

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  for (const [index, [name, input]] of dialogues.entries()) {
    const whole = await inFreshFolder((folder) => wholeInput(folder, input));
    assert.equal(whole.status, 0, `${name}: ${whole.err}`);
    assert.deepEqual(await inFreshFolder((folder) => lineByLine(folder, input)), whole,
                     `${name}, tessark-node fed line by line`);
    assert.deepEqual(await inFreshFolder((folder) => byteByByte(folder, input)), whole,
                     `${name}, the engine fed byte by byte`);

    if (index > 0) await button(page, "New item").click();
    await typeAnswers(page, input);
    await waitForRunEnd(page);
    const { out, answers } = await readLog(page);
    assert.equal(out, whole.out, `${name}, typed into the page`);
    assert.deepEqual(answers, input.split(/(?<=\n)/));
    assert.equal(await reportRegion(page).textContent(), whole.files["The Item.txt"]);
  }
});
