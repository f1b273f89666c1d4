// The page around the engine: a console for one dialogue at a time. It hands the engine each
// answer typed, shows what the engine writes as it writes it, and keeps the working folder in the
// browser's storage (IndexedDB), written back only when a run has ended.
"use strict";

(() => {
  const folder = "/tessark";  // the engine's working folder, "files" beneath it
  const reportName = "The Item.txt";
  const lockName = "tessark-working-folder";

  const log = document.getElementById("dialogue");
  const form = document.getElementById("answer-form");
  const answer = document.getElementById("answer");
  const newItem = document.getElementById("new-item");
  const message = document.getElementById("message");
  const reportPart = document.getElementById("report-part");
  const report = document.getElementById("report");
  const download = document.getElementById("download");
  const storageNote = document.getElementById("storage-note");
  const storedNote = storageNote.textContent;
  const memoryNote = "The folder that the closing message names is this page's memory: this " +
    "browser keeps no storage for the page, so nothing is kept after it closes; the link above " +
    "saves a copy of the report.";

  // Answers typed and not yet read, as bytes, and the read waiting for the next one.
  let pending = new Uint8Array(0);
  let waitingRead = null;
  let inputEnded = false;  // Ctrl+D in the empty answer field, as at a terminal
  let running = false;

  const encoder = new TextEncoder();

  function scrollToEnd() {
    log.scrollTop = log.scrollHeight;
  }

  function showOutput(text) {
    const last = log.lastChild;
    if (last && last.nodeType === Node.TEXT_NODE) {
      last.appendData(text);
    } else {
      log.appendChild(document.createTextNode(text));
    }
    scrollToEnd();
  }

  function showAnswer(text) {
    const kbd = document.createElement("kbd");
    kbd.textContent = text;
    log.appendChild(kbd);
    scrollToEnd();
  }

  // Hands the engine the next line typed (or what is left of it), at most `size` bytes, and shows
  // it after the prompt it answers.
  function takeLine(size) {
    const end = pending.indexOf(10);
    const length = Math.min(end < 0 ? pending.length : end + 1, size);
    const line = pending.slice(0, length);
    pending = pending.slice(length);
    if (line.length > 0) showAnswer(new TextDecoder().decode(line));
    return line;
  }

  function readInput(size) {
    if (pending.length > 0 || inputEnded) return Promise.resolve(takeLine(size));
    return new Promise((resolve) => {
      waitingRead = () => resolve(takeLine(size));
    });
  }

  function wakeRead() {
    if (waitingRead) {
      const wake = waitingRead;
      waitingRead = null;
      wake();
    }
  }

  form.addEventListener("submit", (event) => {
    event.preventDefault();
    if (!running || inputEnded) {
      answer.value = "";  // nothing to answer
      return;
    }
    const typed = encoder.encode(answer.value + "\n");
    answer.value = "";
    const joined = new Uint8Array(pending.length + typed.length);
    joined.set(pending);
    joined.set(typed, pending.length);
    pending = joined;
    wakeRead();
  });

  answer.addEventListener("keydown", (event) => {
    if (event.ctrlKey && event.key === "d" && answer.value === "" && running) {
      event.preventDefault();
      inputEnded = true;
      wakeRead();
    }
  });

  function showReport(bytes) {
    report.textContent = new TextDecoder().decode(bytes);
    if (download.href.startsWith("blob:")) URL.revokeObjectURL(download.href);
    download.href = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
    reportPart.hidden = false;
  }

  function readReport(FS) {
    try {
      return FS.readFile(`${folder}/${reportName}`);
    } catch (error) {
      return null;  // none yet
    }
  }

  function syncFolder(FS, populate) {
    return new Promise((resolve, reject) => {
      FS.syncfs(populate, (error) => (error ? reject(error) : resolve()));
    });
  }

  // Mounts the stored working folder, with "files" in it, and makes it the engine's current
  // folder. Returns whether it is kept in the browser's storage.
  async function mountWorkingFolder(FS) {
    FS.mkdir(folder);
    let stored = true;
    try {
      FS.mount(FS.filesystems.IDBFS, {}, folder);
      await syncFolder(FS, true);
    } catch (error) {
      // No storage here (a private window, or a file address that may not keep any): the run
      // still works, in memory only.
      stored = false;
      try {
        FS.unmount(folder);
      } catch (ignored) {
        // was not mounted
      }
    }
    if (!FS.analyzePath(`${folder}/files`).exists) FS.mkdir(`${folder}/files`);
    FS.chdir(folder);
    return stored;
  }

  // Calls the engine's main, awaiting its end across every answer it waits for.
  function runMain(engine) {
    const argv = engine._malloc(8);
    engine.setValue(argv, engine.allocateUTF8("tessark"), "i32");
    engine.setValue(argv + 4, 0, "i32");
    return engine.ccall("main", "number", ["number", "number"], [1, argv], { async: true });
  }

  async function run(heldHere) {
    const decoder = new TextDecoder();
    let errors = "";
    const engine = await createTessark({
      readInput,
      writeOutput(stream, bytes) {
        if (stream === 1) {
          showOutput(decoder.decode(bytes, { stream: true }));
        } else {
          errors += new TextDecoder().decode(bytes);
        }
        return true;
      },
      folderHeldElsewhere: !heldHere,
    });
    const { FS } = engine;
    const stored = await mountWorkingFolder(FS);
    storageNote.textContent = stored ? storedNote : memoryNote;
    const earlier = readReport(FS);
    if (earlier) showReport(earlier);
    const status = await runMain(engine);
    // Only the run that holds the folder writes it back, in one transaction: a tab closed before
    // this point leaves the stored folder as it was.
    if (heldHere && stored) await syncFolder(FS, false);
    // Each run has an engine of its own; the connection to the storage goes with this one.
    const database = FS.filesystems.IDBFS.dbs[folder];
    if (database) database.close();
    if (status === 0) {
      const written = readReport(FS);
      if (written) showReport(written);
    }
    if (errors !== "") {
      message.textContent = errors;
      message.hidden = false;
    }
  }

  // One run per working folder across tabs, held from before the engine starts until its files are
  // stored; another tab's run is refused by the engine's own lock, with its own message.
  function withFolderLock(action) {
    if (!navigator.locks) return action(true);
    return navigator.locks.request(lockName, { ifAvailable: true }, (lock) => action(lock !== null));
  }

  async function startRun() {
    running = true;
    pending = new Uint8Array(0);
    waitingRead = null;
    inputEnded = false;
    log.textContent = "";
    message.textContent = "";
    message.hidden = true;
    newItem.disabled = true;
    answer.focus();
    try {
      await withFolderLock(run);
    } catch (error) {
      message.textContent = `Tessark could not run in this page: ${error}`;
      message.hidden = false;
    }
    // The focus stays on the answer field, where a stray Enter starts nothing; "New item" is the
    // next stop of the Tab key.
    running = false;
    newItem.disabled = false;
  }

  newItem.addEventListener("click", () => {
    if (!running) startRun();
  });

  startRun();
})();
