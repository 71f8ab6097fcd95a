// velko ui: draws the screen the server describes (the platform's windows,
// at their own pixel rectangles) and sends every user action back as the
// script language's action; the reply is the new screen. Actions are sent
// one request at a time, in the order the user made them.
"use strict";

const token = document.body.dataset.token;
const screenEl = document.getElementById("screen");
const statusEl = document.getElementById("status");
let current = null;      // the last screen
let currentText = "";    // its JSON, to skip drawing an unchanged screen
let queue = Promise.resolve();
let lastHelpCount = 0;
let chooserFolder = null;  // the open-file chooser's folder while it shows

async function api(path, body) {
  const options = { headers: { "X-Velko-Token": token } };
  if (body !== undefined) {
    options.method = "POST";
    options.headers["Content-Type"] = "application/json";
    options.body = JSON.stringify(body);
  }
  const response = await fetch(path, options);
  const text = await response.text();
  let json = null;
  try { json = JSON.parse(text); } catch (e) { json = { error: text }; }
  return { status: response.status, json, text };
}

function showStatus(message, isError) {
  statusEl.textContent = message || "";
  statusEl.className = isError ? "error" : "";
}

// Sends actions (one object or a list) after those already on their way.
function act(actions, anchor) {
  const list = Array.isArray(actions) ? actions : [actions];
  queue = queue.then(async () => {
    const { status, json, text } = await api("/api/action", list.length === 1 ? list[0] : { actions: list });
    if (json && json.windows) draw(json, text);
    if (status !== 200) showStatus((json && json.error) || ("error " + status), true);
    else showStatus("");
    if (json && anchor) showHelp(status === 200 && json.helpCount > lastHelpCount ? json.help : null, anchor);
    if (json) lastHelpCount = json.helpCount || lastHelpCount;
  }).catch((e) => showStatus(String(e), true));
  return queue;
}

async function refresh() {
  const { status, json, text } = await api("/api/state");
  if (status === 200 && text !== currentText) draw(json, text);
}

const plain = (s) => String(s || "").replace(/&(.)/g, "$1");

function imageUrl(hwnd, version) {
  return "/api/image?hwnd=" + hwnd + "&v=" + version + "&token=" + token;
}

function place(el, c) {
  el.style.left = c.x + "px";
  el.style.top = c.y + "px";
  el.style.width = c.w + "px";
  el.style.height = c.h + "px";
}

function base(tag, c, cls) {
  const el = document.createElement(tag);
  el.className = "ctl " + (cls || "");
  place(el, c);
  el.dataset.id = c.id;
  el.dataset.hwnd = c.hwnd;
  el.dataset.class = c.class;
  if (!c.enabled) el.classList.add("disabled");
  el.addEventListener("contextmenu", (e) => {
    e.preventDefault();
    e.stopPropagation();
    act({ action: "help", id: c.id }, el);
  });
  return el;
}

function picture(c) {
  const img = base("img", c);
  img.src = imageUrl(c.hwnd, c.image);
  img.alt = "";
  img.draggable = false;
  return img;
}

function drawButton(c) {
  if (c.kind === "picture" || c.image) {
    const img = picture(c);
    img.classList.add("clickable");
    img.addEventListener("click", () => act({ action: "click", id: c.id }));
    return img;
  }
  if (c.kind === "group") {
    const box = base("div", c, "group");
    const legend = document.createElement("span");
    legend.textContent = plain(c.text);
    box.appendChild(legend);
    return box;
  }
  if (c.kind === "check" || c.kind === "check3" || c.kind === "radio") {
    const label = base("label", c);
    const input = document.createElement("input");
    input.type = c.kind === "radio" ? "radio" : "checkbox";
    input.checked = c.checked === 1;
    input.indeterminate = c.checked === 2;
    input.disabled = !c.enabled;
    label.appendChild(input);
    label.appendChild(document.createTextNode(plain(c.text)));
    label.addEventListener("click", (e) => {
      e.preventDefault();
      if (c.enabled) act({ action: "click", id: c.id });
    });
    return label;
  }
  const button = base("button", c, c.kind === "default" ? "default" : "");
  button.textContent = plain(c.text);
  button.disabled = !c.enabled;
  button.addEventListener("click", () => act({ action: "click", id: c.id }));
  return button;
}

function drawStatic(c) {
  if (c.image) {
    const img = picture(c);
    if (c.notify) {
      img.classList.add("clickable");
      img.addEventListener("click", () => act({ action: "click", id: c.id }));
    }
    return img;
  }
  if (c.kind === "frame" || c.kind === "rect") return base("div", c, c.kind);
  const el = base("div", c, "text " + c.kind);
  el.textContent = plain(c.text);
  if (c.notify) {
    el.classList.add("clickable");
    el.addEventListener("click", () => act({ action: "click", id: c.id }));
  }
  return el;
}

function drawEdit(c) {
  const el = base(c.multiline ? "textarea" : "input", c);
  if (!c.multiline) el.type = c.password ? "password" : "text";
  el.value = c.text;
  el.disabled = !c.enabled;
  el.readOnly = !!c.readonly;
  el.addEventListener("change", () => act([
    { action: "clear", id: c.id },
    { action: "type", id: c.id, text: el.value },
    { action: "leave", id: c.id },
  ]));
  return el;
}

function drawList(c, combo) {
  const el = base("select", c, combo ? "combo" : "");
  if (combo) el.style.height = "";
  else el.size = Math.max(2, Math.floor(c.h / 15));
  (c.items || []).forEach((item, i) => {
    const option = document.createElement("option");
    option.value = String(i);
    option.textContent = item;
    el.appendChild(option);
  });
  el.selectedIndex = c.selected;
  el.disabled = !c.enabled;
  el.addEventListener("change", () => act({ action: "select", id: c.id, index: Number(el.value) }));
  return el;
}

function drawRange(c, trackbar) {
  const el = base("input", c, c.vertical ? "vertical" : "");
  el.type = "range";
  el.min = c.min;
  el.max = c.max;
  el.value = c.position;
  el.disabled = !c.enabled;
  el.addEventListener("change", () => {
    const pos = Number(el.value);
    act(trackbar ? { action: "trackbar", id: c.id, pos }
                 : { action: "scroll", id: c.id, gesture: "thumbposition", pos });
  });
  return el;
}

function drawUpDown(c) {
  const el = base("div", c, "updown");
  for (const [label, gesture] of [["\u25B2", "lineup"], ["\u25BC", "linedown"]]) {
    const b = document.createElement("button");
    b.textContent = label;
    b.disabled = !c.enabled;
    b.dataset.gesture = gesture;
    b.addEventListener("click", () => act({ action: "scroll", id: c.id, gesture }));
    el.appendChild(b);
  }
  return el;
}

function drawControl(c) {
  switch (c.class.toUpperCase()) {
    case "#32770": return drawDialog(c);
    case "BUTTON": return drawButton(c);
    case "STATIC": return drawStatic(c);
    case "EDIT": return drawEdit(c);
    case "COMBOBOX": return drawList(c, true);
    case "LISTBOX": return drawList(c, false);
    case "SCROLLBAR": return drawRange(c, false);
    case "MSCTLS_TRACKBAR32": return drawRange(c, true);
    case "MSCTLS_UPDOWN32": return drawUpDown(c);
    default: {
      const el = base("div", c, "text");
      el.textContent = plain(c.text);
      return el;
    }
  }
}

// A page inside a sheet (or any child dialog): its painted background and
// its controls.
function drawDialog(d) {
  const el = document.createElement("div");
  el.className = "dialog";
  place(el, d);
  el.dataset.hwnd = d.hwnd;
  el.dataset.template = d.template;
  fillClient(el, d);
  return el;
}

function fillClient(el, d) {
  if (d.image) {
    const bg = document.createElement("img");
    bg.className = "backdrop";
    bg.src = imageUrl(d.hwnd, d.image);
    bg.alt = "";
    el.appendChild(bg);
  }
  for (const c of d.children || []) el.appendChild(drawControl(c));
}

function drawTabs(w, client) {
  if (!w.tabs) return;
  const page = (w.children || []).find((c) => c.class === "#32770");
  const strip = document.createElement("div");
  strip.className = "tabs";
  strip.style.left = (page ? page.x - 4 : 7) + "px";
  strip.style.top = (page ? Math.max(0, page.y - 24) : 7) + "px";
  w.tabs.forEach((title, i) => {
    const tab = document.createElement("button");
    tab.textContent = title;
    tab.dataset.tab = i;
    if (i === w.activeTab) tab.classList.add("active");
    tab.addEventListener("click", () => { if (i !== w.activeTab) act({ action: "page", index: i }); });
    strip.appendChild(tab);
  });
  client.appendChild(strip);
}

function drawWindow(w, target) {
  const el = document.createElement("div");
  el.className = "window";
  place(el, w);
  el.dataset.hwnd = w.hwnd;
  el.dataset.template = w.template;
  if (w.hwnd === target) el.classList.add("target");
  const caption = document.createElement("div");
  caption.className = "caption";
  caption.textContent = plain(w.text);
  el.appendChild(caption);
  const client = document.createElement("div");
  client.className = "client";
  place(client, { x: w.client.x - 2, y: w.client.y - 2, w: w.client.w, h: w.client.h });
  fillClient(client, w);
  drawTabs(w, client);
  el.appendChild(client);
  return el;
}

function shade() {
  const el = document.createElement("div");
  el.className = "shade";
  return el;
}

function drawMessage(p) {
  const box = document.createElement("div");
  box.className = "window prompt message-box";
  const caption = document.createElement("div");
  caption.className = "caption";
  caption.textContent = p.caption;
  const body = document.createElement("div");
  body.className = "body";
  const text = document.createElement("div");
  text.className = "message";
  text.textContent = p.text;
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  // The platform answers a box with its confirming button or with Escape.
  const labels = {
    ok: [["\u786E\u5B9A", "ok"]],
    okcancel: [["\u786E\u5B9A", "ok"], ["\u53D6\u6D88", "cancel"]],
    yesno: [["\u662F", "ok"], ["\u5426", "cancel"]],
    yesnocancel: [["\u662F", "ok"], ["\u53D6\u6D88", "cancel"]],
    retrycancel: [["\u91CD\u8BD5", "ok"], ["\u53D6\u6D88", "cancel"]],
    abortretryignore: [["\u91CD\u8BD5", "ok"], ["\u4E2D\u6B62", "cancel"]],
  }[p.buttons] || [["\u786E\u5B9A", "ok"]];
  for (const [label, button] of labels) {
    const b = document.createElement("button");
    b.textContent = label;
    b.dataset.answer = button;
    b.addEventListener("click", () => act({ action: "answer", button }));
    buttons.appendChild(b);
  }
  body.append(text, buttons);
  box.append(caption, body);
  return box;
}

function joinPath(folder, name) {
  return folder.endsWith("\\") ? folder + name : folder + "\\" + name;
}

function parentOf(folder) {
  const trimmed = folder.replace(/\\+$/, "");
  const at = trimmed.lastIndexOf("\\");
  return at <= 2 ? "C:\\" : trimmed.slice(0, at);
}

function drawChooser(p) {
  const box = document.createElement("div");
  box.className = "window prompt chooser";
  const caption = document.createElement("div");
  caption.className = "caption";
  caption.textContent = p.caption || "\u6253\u5F00";
  const body = document.createElement("div");
  body.className = "body";
  const path = document.createElement("div");
  path.className = "path";
  const list = document.createElement("div");
  list.className = "files";
  const filter = document.createElement("div");
  filter.textContent = p.filter;
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  const up = document.createElement("button");
  up.textContent = "\u4E0A\u4E00\u7EA7";
  const cancel = document.createElement("button");
  cancel.textContent = "\u53D6\u6D88";
  cancel.dataset.answer = "cancel";
  cancel.addEventListener("click", () => { chooserFolder = null; act({ action: "cancel" }); });
  buttons.append(up, cancel);
  body.append(path, list, filter, buttons);
  box.append(caption, body);

  async function open(folder) {
    const { status, json } = await api("/api/files?folder=" + encodeURIComponent(folder));
    if (status !== 200) { showStatus(json.error, true); return; }
    chooserFolder = json.folder;
    path.textContent = json.folder;
    list.replaceChildren();
    for (const entry of json.entries) {
      const row = document.createElement("div");
      row.textContent = entry.name;
      row.dataset.name = entry.name;
      if (entry.folder) row.className = "folder";
      row.addEventListener("click", () => {
        const full = joinPath(json.folder, entry.name);
        if (entry.folder) open(full);
        else { chooserFolder = null; act({ action: "browse", path: full }); }
      });
      list.appendChild(row);
    }
  }
  up.addEventListener("click", () => open(parentOf(chooserFolder || "C:\\")));
  open(chooserFolder || p.initialDir || "C:\\");
  return box;
}

function drawEnded(state) {
  const el = document.createElement("div");
  el.className = "ended";
  el.id = "ended";
  el.dataset.outcome = state.ended;
  el.textContent = state.ended === "ok"
    ? (state.saved ? "OK: \u8BBE\u7F6E\u5DF2\u5199\u5165 " + state.saved : "OK")
    : "\u5DF2\u53D6\u6D88";
  return el;
}

function draw(state, text) {
  current = state;
  currentText = text;
  const nodes = [];
  const targetIndex = state.windows.findIndex((w) => w.hwnd === state.target);
  const first = state.windows[0];
  state.windows.forEach((w, i) => {
    if (i === targetIndex && i > 0) nodes.push(shade());
    // Windows opened over the sheet are shown centred on it, as the
    // system's dialogs centre on their owner.
    const shown = i === 0 ? w : { ...w, x: Math.max(0, first.x + Math.round((first.w - w.w) / 2)),
                                       y: Math.max(0, first.y + Math.round((first.h - w.h) / 2)) };
    nodes.push(drawWindow(shown, state.target));
  });
  if (state.prompt) {
    nodes.push(shade());
    nodes.push(state.prompt.kind === "message" ? drawMessage(state.prompt) : drawChooser(state.prompt));
  }
  if (state.ended) nodes.push(drawEnded(state));
  const focused = document.activeElement && document.activeElement.dataset
    ? document.activeElement.dataset.hwnd : undefined;
  screenEl.replaceChildren(...nodes);
  if (focused) {
    const again = screenEl.querySelector('[data-hwnd="' + focused + '"]');
    if (again && again.focus) again.focus();
  }
  document.body.dataset.ready = "1";
}

function showHelp(help, anchor) {
  for (const old of document.querySelectorAll(".tooltip")) old.remove();
  const tip = document.createElement("div");
  tip.className = "tooltip";
  tip.id = "help-tip";
  if (help && help.found) tip.dataset.context = help.context;
  tip.textContent = help && help.found
    ? "\u5E2E\u52A9\u4E3B\u9898 " + help.context + " (" + help.file + ")"
    : "\u6B64\u9879\u6CA1\u6709\u5E2E\u52A9";
  const r = anchor.getBoundingClientRect ? anchor.getBoundingClientRect() : { left: 10, bottom: 10 };
  tip.style.left = r.left + window.scrollX + "px";
  tip.style.top = r.bottom + window.scrollY + 4 + "px";
  document.body.appendChild(tip);
  setTimeout(() => tip.remove(), 4000);
}

document.addEventListener("click", () => { for (const t of document.querySelectorAll(".tooltip")) t.remove(); }, true);

// Resolves once every action sent so far has its reply drawn (for tests).
window.velkoIdle = () => queue.then(() => true);

// A second tab, or the same tab after another acted, catches up by polling.
setInterval(() => { queue = queue.then(refresh).catch(() => {}); }, 1500);
refresh().then(() => { if (current) lastHelpCount = current.helpCount || 0; });
