// The page around the engine: a console for one dialogue at a time. It hands the engine each
// answer typed or chosen, shows what the engine writes as it writes it, keeps the working folder
// in the browser's storage (IndexedDB), written back only when a run has ended, keeps every
// finished item in a list of its own, and gives links that replay an item's answers.
"use strict";

(() => {
  const folder = "/tessark";  // the engine's working folder, "files" beneath it
  const reportName = "The Item.txt";
  const lockName = "tessark-working-folder";
  const keptPrefix = "tessark-item-";  // a kept item's key in localStorage, before its time

  const $ = (id) => document.getElementById(id);
  const log = $("dialogue");
  const answer = $("answer");
  const send = $("send");
  const back = $("back");
  const stop = $("stop");
  const newItem = $("new-item");
  const status = $("status");
  const message = $("message");
  const reportPart = $("report-part");
  const reportHeading = $("report-heading");
  const earlier = $("earlier");
  const report = $("report");
  const download = $("download");
  const copyLink = $("copy-link");
  const storageNote = $("storage-note");
  const keptHeading = $("kept-heading");
  const keptList = $("kept");
  const keptNone = $("kept-none");
  const storedNote = storageNote.textContent;
  const memoryNote = "The folder that the closing message names is this page's memory: this " +
    "browser keeps no storage for the page, so nothing is kept after it closes; the link above " +
    "saves a copy of the report.";

  const encoder = new TextEncoder();
  const decode = (bytes) => new TextDecoder().decode(bytes);
  // Bytes as a string of one character each, which localStorage keeps exactly.
  const toBinary = (bytes) => String.fromCharCode(...bytes);
  const fromBinary = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));

  // The run going on, or the last one. A run is abandoned (Back, a shared link) by dropping it:
  // its engine then waits for ever for an answer that never comes, and stores nothing.
  let run = null;
  let lastRunDone = Promise.resolve();  // settles when the last run has let go of the folder
  let shownAnswers = null;  // the answers of the report shown, when known: "Copy link" gives them
  let choosing = false;  // the last answer was a menu entry: the next menu gets the focus
  const keptInMemory = [];  // where the browser keeps no storage for the page

  function setStatus(text) {
    status.textContent = text;
  }

  // The log: the engine's output as text, each answer in a <kbd> after the prompt it answers, and
  // the entries of the menus in spans, so that its text stays the output's, byte for byte.
  let line = "";  // the line being written, since the last line end or answer
  let lineNode = null;
  let entries = [];  // the entries of the last menu since the last answer
  let menuEnded = true;  // a line that is no menu line came after `entries`

  function scrollToEnd() {
    log.scrollTop = log.scrollHeight;
  }

  function clearLog() {
    log.textContent = "";
    line = "";
    lineNode = null;
    entries = [];
    menuEnded = true;
  }

  function showOutput(text) {
    for (const part of text.split(/(?<=\n)/)) {
      if (part === "") continue;
      if (!lineNode) lineNode = log.appendChild(document.createTextNode(""));
      lineNode.appendData(part);
      line += part;
      if (part.endsWith("\n")) endLine();
    }
    scrollToEnd();
  }

  // A menu line begins with an entry, "7.  Mace"; the entries of further columns follow two
  // blanks or more. Each entry goes into a span of its own, its blanks stay outside.
  function endLine() {
    if (/^\d+\./.test(line)) {
      if (menuEnded) entries = [];
      menuEnded = false;
      const parts = document.createDocumentFragment();
      for (const column of line.split(/(?<= {2})(?=\d+\.)/)) {
        const text = column.replace(/\s+$/, "");
        const entry = document.createElement("span");
        entry.className = "entry";
        entry.textContent = text;
        entry.dataset.answer = text.match(/^\d+/)[0];
        entries.push(entry);
        parts.append(entry, column.slice(text.length));
      }
      lineNode.replaceWith(parts);
    } else {
      menuEnded = true;
    }
    line = "";
    lineNode = null;
  }

  // The entries of the menu awaiting an answer are buttons until it is given.
  function offerEntries(offered) {
    for (const entry of entries) {
      if (offered) {
        entry.setAttribute("role", "button");
        entry.tabIndex = 0;
      } else {
        entry.removeAttribute("role");
        entry.removeAttribute("tabindex");
      }
    }
  }

  function showAnswer(text) {
    if (line !== "") endLine();
    offerEntries(false);
    entries = [];
    menuEnded = true;
    const kbd = document.createElement("kbd");
    kbd.textContent = text;
    log.appendChild(kbd);
    scrollToEnd();
  }

  // Standard input of a run: answers given and not yet read, as bytes, and the read waiting for
  // the next. Answers to replay come one at a time, each when the engine asks.
  function takeLine(r, size) {
    const end = r.pending.indexOf(10);
    const length = Math.min(end < 0 ? r.pending.length : end + 1, size);
    const bytes = r.pending.slice(0, length);
    r.pending = r.pending.slice(length);
    if (bytes.length > 0) {
      const text = decode(bytes);
      r.answers.push(text);
      showAnswer(text);
    }
    updateControls();
    return bytes;
  }

  function readInput(r, size) {
    if (r.gone) return new Promise(() => {});
    if (r.pending.length === 0 && !r.ended && r.replay.length > 0) {
      r.pending = encoder.encode(r.replay.shift());
    }
    if (r.pending.length > 0 || r.ended) return Promise.resolve(takeLine(r, size));
    return new Promise((resolve) => {
      r.wake = () => resolve(takeLine(r, size));
      awaitAnswer(r);
    });
  }

  function awaitAnswer(r) {
    if (line !== "") endLine();
    offerEntries(true);
    scrollToEnd();
    if (r.lastForPlayer !== null) {
      answer.value = r.lastForPlayer;
      r.lastForPlayer = null;
      answer.focus();
    } else if (choosing) {
      (entries[0] || answer).focus();
    }
  }

  function wake(r) {
    if (r.wake) {
      const waiting = r.wake;
      r.wake = null;
      waiting();
    }
  }

  // Gives the run `text` and a line end, as typing it and Enter do.
  function give(text) {
    if (!run || run.state === "ended" || run.ended) return;
    const typed = encoder.encode(text + "\n");
    const joined = new Uint8Array(run.pending.length + typed.length);
    joined.set(run.pending);
    joined.set(typed, run.pending.length);
    run.pending = joined;
    wake(run);
  }

  // Ends the answers, as Ctrl+D at a terminal does.
  function endAnswers() {
    if (!run || run.state === "ended" || run.ended) return;
    run.ended = true;
    updateControls();
    wake(run);
  }

  $("answer-form").addEventListener("submit", (event) => {
    event.preventDefault();
    choosing = false;
    give(answer.value);
    answer.value = "";
  });

  answer.addEventListener("keydown", (event) => {
    if (event.ctrlKey && event.key === "d" && answer.value === "" && run && run.state !== "ended") {
      event.preventDefault();
      endAnswers();
    }
  });

  function chosen(event) {
    const entry = event.target.closest(".entry[role=button]");
    if (!entry) return;
    event.preventDefault();
    choosing = true;
    log.focus({ preventScroll: true });  // the entry is about to stop being a button
    give(entry.dataset.answer);
  }
  log.addEventListener("click", chosen);
  // As a native button: Enter on its press, Space on its release.
  log.addEventListener("keydown", (event) => {
    if (event.key === "Enter") chosen(event);
    if (event.key === " " && event.target.closest(".entry[role=button]")) event.preventDefault();
  });
  log.addEventListener("keyup", (event) => {
    if (event.key === " ") chosen(event);
  });

  stop.addEventListener("click", endAnswers);
  back.addEventListener("click", () => {
    restart(given(run).slice(0, -1), null);
    if (back.disabled) answer.focus();  // no answer left to take back
  });
  newItem.addEventListener("click", () => {
    answer.focus();
    restart([], null);
  });

  function given(r) {
    return r ? r.answers.concat(r.replay) : [];
  }

  function updateControls() {
    const going = run !== null && run.state !== "ended";
    send.disabled = stop.disabled = !going || run.ended;
    back.disabled = given(run).length === 0;
    newItem.disabled = going;
  }

  // The report of the working folder, and the items kept.
  function showReport(bytes) {
    report.textContent = decode(bytes);
    if (download.href.startsWith("blob:")) URL.revokeObjectURL(download.href);
    download.href = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
    reportPart.hidden = false;
    copyLink.hidden = shownAnswers === null;
  }

  function readReport(FS) {
    try {
      return FS.readFile(`${folder}/${reportName}`);
    } catch (error) {
      return null;  // none yet
    }
  }

  function keptItems() {
    const items = keptInMemory.slice();
    try {
      for (let i = 0; i < localStorage.length; i++) {
        const key = localStorage.key(i);
        if (!key.startsWith(keptPrefix)) continue;
        items.push({ key, ...JSON.parse(localStorage.getItem(key)) });
      }
    } catch (error) {
      // no storage here: the items of this visit alone
    }
    return items.sort((a, b) => b.time - a.time);
  }

  function keep(bytes, answers) {
    const item = { time: Date.now(), report: toBinary(bytes), answers };
    try {
      localStorage.setItem(keptPrefix + item.time, JSON.stringify(item));
    } catch (error) {
      keptInMemory.push(item);
    }
    showKept();
  }

  // Category and base item are the report's first two lines.
  const nameOf = (text) => text.split("\n", 2).join(": ");

  let keptUrls = [];
  function showKept() {
    keptUrls.forEach((url) => URL.revokeObjectURL(url));
    keptUrls = [];
    keptList.replaceChildren(...keptItems().map(keptView));
    keptNone.hidden = keptList.childElementCount > 0;
  }

  function keptView(item) {
    const bytes = fromBinary(item.report);
    const text = decode(bytes);
    const name = nameOf(text);
    const view = document.createElement("li");
    view.innerHTML = "<details><summary><span></span><time></time></summary><pre></pre>" +
      "</details><p class=actions><a download=\"The Item.txt\">Download</a> <button " +
      "type=button>Copy link</button> <button type=button>Delete</button></p>";
    const [summaryName, time, pre, link, share, remove] =
      view.querySelectorAll("span, time, pre, a, button");
    summaryName.textContent = name;
    time.dateTime = new Date(item.time).toISOString();
    time.textContent = new Date(item.time).toLocaleString();
    pre.textContent = text;
    link.href = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
    keptUrls.push(link.href);
    link.setAttribute("aria-label", `Download ${name}`);
    share.setAttribute("aria-label", `Copy link to ${name}`);
    share.addEventListener("click", () => copyLinkTo(item.answers));
    remove.setAttribute("aria-label", `Delete ${name}`);
    remove.addEventListener("click", () => {
      if (item.key) localStorage.removeItem(item.key);
      else keptInMemory.splice(keptInMemory.indexOf(item), 1);
      showKept();
      setStatus(`${name} is deleted from the kept items.`);
      keptHeading.focus();
    });
    return view;
  }

  // Another tab kept or deleted an item.
  window.addEventListener("storage", (event) => {
    if (event.key === null || event.key.startsWith(keptPrefix)) showKept();
  });

  // A shared link: this page's address with the answers, without their line ends, in its
  // fragment.
  function copyLinkTo(answers) {
    const link = location.href.replace(/#.*/, "") + "#answers=" +
      answers.map((text) => encodeURIComponent(text.replace(/\n$/, ""))).join(",");
    // A page that may not write to the clipboard shows the link instead.
    (navigator.clipboard ? navigator.clipboard.writeText(link) : Promise.reject())
      .then(() => setStatus("The link is copied."), () => setStatus(`The link: ${link}`));
  }
  copyLink.addEventListener("click", () => copyLinkTo(shownAnswers));

  // The answers of a shared link, which is then taken off the address.
  function sharedAnswers() {
    const found = /^#answers=(.*)$/.exec(location.hash);
    if (!found) return null;
    history.replaceState(null, "", location.href.replace(/#.*/, ""));
    try {
      return found[1].split(",").map(decodeURIComponent);
    } catch (error) {
      return null;  // not a link this page made
    }
  }

  // Starts a run with the answers of a shared link typed in but the last, which is left in the
  // answer field for the player to give.
  function replayShared() {
    const answers = sharedAnswers();
    if (!answers) return false;
    restart(answers.slice(0, -1).map((text) => text + "\n"), answers[answers.length - 1]);
    return true;
  }
  window.addEventListener("hashchange", replayShared);

  // The engine and its working folder.
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
    // The engine refuses a work folder that every user may write to, as on a shared machine;
    // Emscripten's folders are, unless told otherwise, and so are those stored by earlier pages.
    const files = `${folder}/files`;
    if (!FS.analyzePath(files).exists) FS.mkdir(files);
    FS.chmod(files, 0o755);
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

  async function runEngine(r, heldHere) {
    const decoder = new TextDecoder();
    let errors = "";
    setStatus("Loading Tessark…");
    const engine = await createTessark({
      readInput: (size) => readInput(r, size),
      writeOutput(stream, bytes) {
        if (r.gone) return true;
        if (stream === 1) showOutput(decoder.decode(bytes, { stream: true }));
        else errors += decode(bytes);
        return true;
      },
      folderHeldElsewhere: !heldHere,
      setStatus,  // the engine's own word on its loading, as its minimal shell shows it
    });
    if (r.gone) return;
    setStatus("");
    const { FS } = engine;
    // Each run has an engine of its own; the connection to the storage goes with this one.
    const closeStorage = () => FS.filesystems.IDBFS.dbs[folder]?.close();
    const stored = await mountWorkingFolder(FS);
    if (r.gone) return closeStorage();
    storageNote.textContent = stored ? storedNote : memoryNote;
    const earlierReport = readReport(FS);
    if (earlierReport) {
      const binary = toBinary(earlierReport);
      shownAnswers = keptItems().find((item) => item.report === binary)?.answers || null;
      showReport(earlierReport);
      earlier.hidden = false;
    }
    const exitStatus = await Promise.race([runMain(engine), r.abandoned]);
    // Only the run that holds the folder writes it back, in one transaction, once it has ended:
    // a run abandoned or a tab closed before this point leaves the stored folder as it was.
    if (r.gone) return closeStorage();
    if (heldHere && stored) await syncFolder(FS, false);
    closeStorage();
    const written = exitStatus === 0 && readReport(FS);
    if (written) {
      shownAnswers = r.answers;
      showReport(written);
      keep(written, r.answers);
      setStatus(`The item is ready: ${nameOf(decode(written))}. It is kept in the list below.`);
      reportHeading.focus({ preventScroll: true });
      reportPart.scrollIntoView({ block: "nearest" });
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

  async function go(r) {
    if (r.gone) return;
    r.state = "going";
    clearLog();
    message.textContent = "";
    message.hidden = true;
    updateControls();
    try {
      await withFolderLock((held) => runEngine(r, held));
    } catch (error) {
      if (!r.gone) {
        message.textContent = `Tessark could not run in this page: ${error}`;
        message.hidden = false;
      }
    }
    if (r.gone) return;
    r.state = "ended";
    earlier.hidden = true;
    offerEntries(false);
    updateControls();
    // A button pressed to end the run (Stop) can no longer be: "New item" is the next step.
    if (document.activeElement.disabled || document.activeElement === document.body) {
      newItem.focus();
    }
  }

  // Abandons the run going on, if any, and starts one with the answers `replay` typed in, once
  // the abandoned one has let go of the folder.
  function restart(replay, lastForPlayer) {
    if (run && run.state !== "ended") {
      run.gone = true;
      run.state = "ended";
      run.wake = null;
      run.abandon();
    }
    let abandon;
    const abandoned = new Promise((resolve) => {
      abandon = resolve;
    });
    const r = { replay, lastForPlayer, answers: [], pending: new Uint8Array(0), wake: null,
                ended: false, gone: false, state: "waiting", abandoned, abandon };
    run = r;
    updateControls();
    lastRunDone = lastRunDone.then(() => go(r));
  }

  showKept();
  if (!replayShared()) restart([], null);
  // The site is kept for a visit with no network; a page opened from disk cannot have a worker.
  if ("serviceWorker" in navigator && location.protocol !== "file:") {
    window.addEventListener("load", () => {
      navigator.serviceWorker.register("service-worker.js").catch(() => {});
    });
  }
})();
