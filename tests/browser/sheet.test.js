// The sheet in the browser: the four tabs (with a screenshot of each), the
// help a right click shows, a second tab seeing the same sheet, the
// server's refusals (no token, a wrong token, an unknown control, an action
// the control does not take, a malformed or oversized body) changing
// nothing, and Cancel writing nothing.
"use strict";
const fs = require("fs");
const { run, assert, scriptHelpContext } = require("./harness.js");

const kPaper = 1010;

run("sheet", async (t) => {
  const base = new URL(t.url);
  const token = base.searchParams.get("token");
  assert.equal(base.hostname, "127.0.0.1");
  const api = (p, options = {}) => fetch(new URL(p, base), options);
  const withToken = (body) => ({ method: "POST", headers: { "X-Velko-Token": token }, body });

  // The tabs, each page drawn from its own template.
  const names = ["main", "color", "options", "version"];
  for (let i = 0; i < 4; ++i) {
    await t.tab(i);
    assert.equal(await t.shownTemplate(), 1001 + i);
    assert.equal(await t.page.locator(".tabs button.active").getAttribute("data-tab"), String(i));
    await t.shot("page_" + names[i]);
  }
  await t.tab(0);

  // A right click shows the help the control would open: on the pages,
  // as under a script, none.
  await t.inTarget(kPaper).click({ button: "right" });
  await t.idle();
  const tip = t.page.locator("#help-tip");
  await tip.waitFor();
  assert.equal(scriptHelpContext("", kPaper), null);
  assert.equal(await tip.getAttribute("data-context"), null);

  // Refusals change nothing.
  const before = await (await api(`/api/state?token=${token}`)).json();
  assert.equal((await api("/api/state")).status, 403, "no token");
  assert.equal((await api("/?token=0123")).status, 403, "a wrong token");
  assert.equal((await api("/api/state", { headers: { "X-Velko-Token": token + "0" } })).status, 403);
  const refusals = [
    [JSON.stringify({ action: "click", id: 4242 }), 400, /no control 4242/],
    [JSON.stringify({ action: "trackbar", id: kPaper, pos: 3 }), 400, /not a trackbar/],
    [JSON.stringify({ action: "browse", path: "C:\\a.bmp" }), 400, /no open-file dialog is open/],
    [JSON.stringify({ action: "answer", button: "ok" }), 400, /no message box is open/],
    ["{\"action\":", 400, /not JSON/],
    [JSON.stringify({ action: "fly" }), 400, /unknown action/],
    ["[" + "0,".repeat(40000) + "0]", 413, /too large/],
  ];
  for (const [body, status, message] of refusals) {
    const response = await api("/api/action", withToken(body));
    assert.equal(response.status, status, body.slice(0, 60));
    assert.match((await response.json()).error, message);
  }
  const after = await (await api(`/api/state?token=${token}`)).json();
  delete before.help; delete after.help; delete before.helpCount; delete after.helpCount;
  assert.deepEqual(after, before, "the refused requests changed nothing");

  // A second tab shows the same sheet and follows what the first does.
  const second = await t.browser.newPage();
  await second.goto(t.url);
  await second.waitForFunction(() => document.body.dataset.ready === "1");
  assert.equal(await second.locator(".window").count(), 1, "no second sheet");
  await t.tab(2);
  await second.waitForFunction(
      () => document.querySelector(".tabs button.active").dataset.tab === "2", null, { timeout: 5000 });
  await second.close();

  // Cancel leaves every file as it was.
  await t.click(2);
  await t.page.locator("#ended[data-outcome=cancel]").waitFor();
  assert.equal(await t.ui.finished, 0);
  assert.match(t.ui.output().out, /cancelled; nothing written/);
  assert.ok(!fs.existsSync(t.save), "no record was written");
});
