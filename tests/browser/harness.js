// The browser tests' common part: starts `velko ui` on a free port over a
// scratch drive C:, opens its address in one headless Chromium (the
// system's, driven by playwright-core; no browser is downloaded), runs the
// test's steps in order, writes screenshots into the work folder, and
// stops everything. Usage: node FILE.test.js VELKO CHROMIUM WORKDIR
"use strict";

const { spawn } = require("child_process");
const fs = require("fs");
const path = require("path");
const assert = require("assert/strict");
const { chromium } = require("playwright-core");

const [velko, executablePath, work] = process.argv.slice(2);

// Starts `velko ui ARGS`; resolves with the process and the address it prints.
function startUi(args, env) {
  return new Promise((resolve, reject) => {
    const child = spawn(velko, ["ui", "--port", "0", ...args], { env: { ...process.env, ...env } });
    let out = "";
    let err = "";
    child.stdout.on("data", (d) => {
      out += d;
      const m = out.match(/http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]+/);
      if (m && !child.url) {
        child.url = m[0];
        resolve(child);
      }
    });
    child.stderr.on("data", (d) => { err += d; });
    child.output = () => ({ out, err });
    child.finished = new Promise((done) => child.on("exit", (code) => done(code)));
    child.on("exit", (code) => { if (!child.url) reject(new Error("velko ui ended with " + code + ": " + err)); });
  });
}

// The controls of the window that takes the actions now.
const inTarget = (page, id) => page.locator(`.window.target [data-id="${id}"]`);

// Waits until the page has drawn the reply to every action it sent.
async function idle(page) {
  await page.evaluate(() => window.velkoIdle());
}

// Types `text` into edit `id` the way a person does: the field's change
// (on leaving it) sends clear, type and leave.
async function typeInto(page, id, text) {
  const field = inTarget(page, id);
  await field.fill(text);
  await field.evaluate((el) => el.blur());
  await idle(page);
}

async function selectItem(page, id, index) {
  await inTarget(page, id).selectOption(String(index));
  await idle(page);
}

async function click(page, id) {
  await inTarget(page, id).click();
  await idle(page);
}

async function tab(page, index) {
  await page.locator(`.window.target .tabs button[data-tab="${index}"]`).click();
  await idle(page);
}

// The template id of the page or dialog that takes the actions now.
async function shownTemplate(page) {
  return page.evaluate(() => {
    const target = document.querySelector(".window.target");
    const pageEl = target.querySelector(".dialog");
    return Number((pageEl || target).dataset.template);
  });
}

async function text(page, id) {
  const el = inTarget(page, id);
  const tag = await el.evaluate((e) => e.tagName);
  return tag === "INPUT" || tag === "TEXTAREA" ? el.inputValue() : el.innerText();
}

async function shot(page, name) {
  await page.screenshot({ path: path.join(work, name + ".png") });
}

// Runs `steps(context)` as one test file; exit status 0 when every step held.
async function run(name, steps, { args = [] } = {}) {
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(path.join(work, "drive_c"), { recursive: true });
  const save = path.join(work, "saved.rec");
  const ui = await startUi(["--save", save, ...args], { VELKO_DRIVE_C: path.join(work, "drive_c") });
  const browser = await chromium.launch({ executablePath, args: ["--no-sandbox"] });
  let failed = false;
  try {
    const page = await browser.newPage({ viewport: { width: 1100, height: 800 } });
    page.on("pageerror", (e) => { failed = true; console.error("page error: " + e.message); });
    await page.goto(ui.url);
    await page.waitForFunction(() => document.body.dataset.ready === "1");
    await steps({
      page, ui, save, work, url: ui.url, browser,
      inTarget: (id) => inTarget(page, id),
      shot: (n) => shot(page, n),
      idle: () => idle(page),
      typeInto: (id, t) => typeInto(page, id, t),
      selectItem: (id, i) => selectItem(page, id, i),
      click: (id) => click(page, id),
      tab: (i) => tab(page, i),
      shownTemplate: () => shownTemplate(page),
      text: (id) => text(page, id),
    });
    console.log(name + ": passed");
  } catch (e) {
    failed = true;
    console.error(name + ": FAILED: " + (e.stack || e));
    try {
      const pages = browser.contexts().flatMap((c) => c.pages());
      if (pages[0]) await pages[0].screenshot({ path: path.join(work, "failure.png") });
    } catch (ignored) { /* the screenshot is a courtesy */ }
  } finally {
    await browser.close();
    if (ui.exitCode === null) ui.kill("SIGTERM");
    const code = await ui.finished;
    const { out, err } = ui.output();
    if (failed) console.error("velko ui exit " + code + "\nstdout: " + out + "\nstderr: " + err);
    else if (err) process.stdout.write(err);
  }
  process.exit(failed ? 1 : 0);
}

// A settings record's fields by offset (little-endian, as the record holds them).
function recordFields(bytes) {
  const b = Buffer.from(bytes);
  return {
    PaperSize: b.readInt32LE(0),
    CustomWidth: b.readDoubleLE(8),
    CustomHeight: b.readDoubleLE(16),
    OutputSize: b.readInt32LE(24),
    ColorMode: b.readInt32LE(100),
    ChosenEntryName: b.subarray(104, 124).toString("latin1").replace(/\0.*$/s, ""),
    Fullness: b.readInt32LE(156),
  };
}

// Runs `velko sheet` with a script, as the reference the browser's run is
// compared with; the record it saves.
function sheetReference(script, name) {
  const { execFileSync } = require("child_process");
  const file = path.join(work, name + ".vsh");
  const saved = path.join(work, name + ".rec");
  fs.writeFileSync(file, script);
  execFileSync(velko, ["sheet", "--script", file, "--save", saved], {
    env: { ...process.env, VELKO_DRIVE_C: path.join(work, "drive_c_" + name) },
  });
  return fs.readFileSync(saved);
}

// The help context `velko sheet` finds for control `id` after `steps` (a
// script's lines), read from its report of a check made to fail; null when
// no help was asked for or the control is not in the help table.
function scriptHelpContext(steps, id) {
  const { spawnSync } = require("child_process");
  const file = path.join(work, "help.vsh");
  fs.writeFileSync(file, `${steps}help ${id}\nexpect help ${id} 4294967295\n`);
  const r = spawnSync(velko, ["sheet", "--script", file], {
    env: { ...process.env, VELKO_DRIVE_C: path.join(work, "drive_c_help") }, encoding: "utf8" });
  const m = r.stderr.match(/got (\d+)/);
  return m ? Number(m[1]) : null;
}

module.exports = { run, assert, startUi, recordFields, sheetReference, scriptHelpContext };
