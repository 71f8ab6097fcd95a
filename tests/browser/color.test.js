// The color page in the browser: the color adjustment sheet's saturation
// slider changes the preview picture, and a user color entry added through
// the list-edit dialog is listed and saved as the chosen entry.
"use strict";
const fs = require("fs");
const { run, assert, recordFields, scriptHelpContext } = require("./harness.js");

const kCustomMode = 1056, kAdjustButton = 1041, kEditButton = 1045, kEntries = 1057;
const kSaturation = 2040, kSaturationText = 2032, kPreview = 2071;
const kListEdit = 2402, kName = 2413, kAdd = 2129;

async function previewSource(t) {
  return t.inTarget(kPreview).getAttribute("src");
}

// The preview's pixels as the browser shows them, to tell a changed
// picture from a changed address.
async function previewPixels(t) {
  return t.inTarget(kPreview).evaluate(async (img) => {
    await img.decode();
    const canvas = document.createElement("canvas");
    canvas.width = img.naturalWidth;
    canvas.height = img.naturalHeight;
    const context = canvas.getContext("2d");
    context.drawImage(img, 0, 0);
    return Array.from(context.getImageData(0, 0, canvas.width, canvas.height).data).join(",");
  });
}

run("color", async (t) => {
  await t.tab(1);
  assert.equal(await t.shownTemplate(), 1002);
  await t.click(kCustomMode);
  await t.shot("page_color");

  await t.click(kAdjustButton);
  assert.equal(await t.page.locator(".window").count(), 2, "the color adjustment sheet opened over the sheet");
  const before = await previewPixels(t);
  const beforeSource = await previewSource(t);
  await t.inTarget(kSaturation).fill("10");
  await t.idle();
  assert.equal(await t.text(kSaturationText), "10");
  assert.notEqual(await previewSource(t), beforeSource, "a new picture is asked for");
  assert.notEqual(await previewPixels(t), before, "the preview shows other pixels");
  await t.shot("dialog_color_adjust");

  // A right click on the slider shows the help context the script finds.
  await t.inTarget(kSaturation).click({ button: "right" });
  await t.idle();
  const tip = t.page.locator("#help-tip");
  await tip.waitFor();
  const context = scriptHelpContext(`page color\nclick ${kCustomMode}\nclick ${kAdjustButton}\n`, kSaturation);
  assert.ok(context !== null, "the script finds help for the slider");
  assert.equal(Number(await tip.getAttribute("data-context")), context);

  await t.page.locator(".window.target .tabs button[data-tab=\"1\"]").click();
  await t.idle();
  await t.shot("dialog_color_adjust_density");
  await t.click(1);  // OK: the sheet keeps saturation 10
  assert.equal(await t.page.locator(".window").count(), 1);

  const listed = await t.inTarget(kEntries).locator("option").count();
  await t.click(kEditButton);
  assert.equal(await t.shownTemplate(), kListEdit);
  await t.typeInto(kName, "abc");
  await t.shot("dialog_list_edit");
  await t.click(kAdd);
  assert.equal(await t.shownTemplate(), 1002, "the dialog ended");
  const options = await t.inTarget(kEntries).locator("option").allInnerTexts();
  assert.equal(options.length, listed + 1);
  assert.ok(options.includes("abc"), "the new entry is listed: " + options.join(", "));
  assert.equal(await t.inTarget(kEntries).inputValue(), String(options.indexOf("abc")), "and chosen");

  await t.click(1);
  await t.page.locator("#ended").waitFor();
  assert.equal(await t.ui.finished, 0);
  const fields = recordFields(fs.readFileSync(t.save));
  assert.equal(fields.Fullness, 10);
  assert.equal(fields.ChosenEntryName, "abc");
});
