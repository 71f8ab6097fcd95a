// The main page in the browser: A3 printed on B5 reads 61%, the custom
// paper size dialog clamps a typed width of 250 to 215.9 when the field is
// left, and the sheet's OK saves the same record as the same choices made
// by a script.
"use strict";
const fs = require("fs");
const { run, assert, recordFields, sheetReference } = require("./harness.js");

const kPaper = 1010, kOutput = 1011, kScale = 1026;
const kCustomItem = 12, kCustomSizeDialog = 2407, kWidth = 2066;

run("main_page", async (t) => {
  assert.equal(await t.shownTemplate(), 1001);
  await t.selectItem(kPaper, 0);     // A3
  await t.selectItem(kOutput, 1);    // B5
  assert.equal(await t.text(kScale), "61%");
  await t.shot("page_main_a3_on_b5");

  await t.selectItem(kPaper, kCustomItem);
  assert.equal(await t.shownTemplate(), kCustomSizeDialog, "the custom size dialog is open");
  assert.equal(await t.page.locator(".shade").count(), 1, "the sheet is shaded behind the modal dialog");
  await t.typeInto(kWidth, "250");
  assert.equal(await t.text(kWidth), "215.9");
  await t.shot("dialog_custom_size");
  await t.click(1);                  // the dialog's OK
  assert.equal(await t.shownTemplate(), 1001);

  await t.click(1);                  // the sheet's OK
  await t.page.locator("#ended").waitFor();
  assert.equal(await t.ui.finished, 0);
  assert.match(t.ui.output().out, /the record was written to/);

  const saved = fs.readFileSync(t.save);
  const fields = recordFields(saved);
  assert.equal(fields.PaperSize, 256, "the custom size");
  assert.equal(fields.CustomWidth, 215.9);
  const reference = sheetReference(
      "select 1010 0\nselect 1011 1\nselect 1010 12\nclear 2066\ntype 2066 \"250\"\nleave 2066\nclick 1\nok\n",
      "main_reference");
  assert.ok(saved.equals(reference), "the browser's record is the script's record");
});
