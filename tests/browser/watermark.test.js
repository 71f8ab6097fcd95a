// Message boxes and the open-file chooser in the browser, on the user
// watermark list reached from the options page: a refused file name shows
// the system's message and its OK returns to the dialog; the chooser walks
// drive C: and picks a file; nothing outside the drive can be listed or
// chosen, not even through a link; the saved record holds the new entry.
"use strict";
const fs = require("fs");
const path = require("path");
const { run, assert } = require("./harness.js");

const kWatermarkButton = 1082, kWatermarkDialog = 2403, kWatermarkOn = 2030;
const kListEdit = 2402, kName = 2413, kFile = 2416, kBrowse = 2417, kAdd = 2129;

run("watermark", async (t) => {
  const drive = path.join(t.work, "drive_c");
  fs.mkdirSync(path.join(drive, "PICS"), { recursive: true });
  fs.writeFileSync(path.join(drive, "PICS", "LOGO.BMP"), "BM");
  fs.mkdirSync(path.join(t.work, "outside"), { recursive: true });
  fs.writeFileSync(path.join(t.work, "outside", "secret.bmp"), "BM");
  fs.symlinkSync(path.join(t.work, "outside"), path.join(drive, "OUT"));

  await t.tab(2);
  await t.click(kWatermarkButton);
  assert.equal(await t.shownTemplate(), kWatermarkDialog);
  await t.click(kWatermarkOn);
  await t.shot("dialog_watermark");
  await t.click(kWatermarkButton);
  assert.equal(await t.shownTemplate(), kListEdit);

  // A message box: its text, and its OK back to the dialog.
  await t.typeInto(kName, "Logo");
  await t.typeInto(kFile, "a.b");
  await t.click(kAdd);
  const box = t.page.locator(".message-box");
  await box.waitFor();
  // "文件名称太短…扩展名": the name is too short to hold an extension.
  assert.match(await box.locator(".message").innerText(), /^\u6587\u4EF6\u540D\u79F0\u592A\u77ED.*\u6269\u5C55\u540D$/);
  await t.shot("message_box");
  await box.locator('button[data-answer="ok"]').click();
  await t.idle();
  assert.equal(await box.count(), 0);
  assert.equal(await t.shownTemplate(), kListEdit);

  // The chooser over drive C:.
  await t.click(kBrowse);
  const chooser = t.page.locator(".chooser");
  await chooser.waitFor();
  await chooser.locator('.files div[data-name="PICS"]').waitFor();
  assert.equal(await chooser.locator('.files div[data-name="OUT"]').count(), 0, "a link out of the drive is not listed");

  const base = new URL(t.url);
  const token = base.searchParams.get("token");
  const files = async (folder) => fetch(new URL("/api/files?folder=" + encodeURIComponent(folder), base),
                                        { headers: { "X-Velko-Token": token } });
  assert.equal((await files("D:\\")).status, 400, "another drive");
  assert.equal((await files("C:\\OUT")).status, 400, "a link out of the drive");
  const up = await (await files("C:\\..\\..\\..")).json();
  assert.ok(up.entries.some((e) => e.name === "PICS"), ".. stops at the drive's root");
  const refused = await fetch(new URL("/api/action", base), {
    method: "POST", headers: { "X-Velko-Token": token },
    body: JSON.stringify({ action: "browse", path: "C:\\OUT\\secret.bmp" }) });
  assert.equal(refused.status, 400);
  assert.match((await refused.json()).error, /not on drive C:/);

  await chooser.locator('.files div[data-name="PICS"]').click();
  await chooser.locator('.files div[data-name="LOGO.BMP"]').waitFor();
  await t.shot("dialog_open_file");
  await chooser.locator('.files div[data-name="LOGO.BMP"]').click();
  await t.idle();
  assert.equal(await chooser.count(), 0);
  assert.equal(await t.text(kFile), "C:\\PICS\\LOGO.BMP");

  await t.click(kAdd);
  assert.equal(await t.shownTemplate(), kWatermarkDialog);
  await t.click(1);
  await t.click(1);
  await t.page.locator("#ended").waitFor();
  assert.equal(await t.ui.finished, 0);
  const record = fs.readFileSync(t.save);
  const text = (at, size) => record.subarray(at, at + size).toString("latin1").replace(/\0.*$/s, "");
  assert.equal(text(576, 20), "Logo");
  assert.equal(text(596, 260), "C:\\PICS\\LOGO.BMP");
});
