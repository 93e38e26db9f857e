// The page "Série de couples" in Debian's Chromium: rows pasted from a
// spreadsheet, undo and redo, a faulty cell, a broken file, the series kept
// across a reload, and every file exported in one .zip held against
// bilobe-serie's folder for the same fuselage file.
//   node serie.test.mjs SITE BILOBE_SERIE CHROMIUM
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { createHash } from "node:crypto";
import { mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { after, before, test } from "node:test";
import { chromium } from "playwright-core";
import { servir } from "./serveur.mjs";

const [site, bilobe_serie, executable] = process.argv.slice(-3).map((a) => resolve(a));
const EXEMPLE = readFileSync(join(site, "exemples", "planeur.toml"));
const empreinte = (octets) => createHash("sha256").update(octets).digest("hex");

// bilobe-serie's files for this fuselage file and these formats: name → digest.
function commande(formats, fuselage = EXEMPLE) {
  const dossier = mkdtempSync(join(tmpdir(), "serie-"));
  try {
    const env = { ...process.env };
    delete env.SOURCE_DATE_EPOCH; // the page's PDFs carry no date either
    writeFileSync(join(dossier, "fuselage.toml"), fuselage);
    execFileSync(bilobe_serie, [join(dossier, "fuselage.toml"), "-o", join(dossier, "sortie"), "--format", formats],
      { env });
    const sortie = join(dossier, "sortie");
    return Object.fromEntries(readdirSync(sortie).filter((n) => statSync(join(sortie, n)).isFile())
      .map((n) => [n, empreinte(readFileSync(join(sortie, n)))]));
  } finally {
    rmSync(dossier, { recursive: true });
  }
}

function fichiers_du_zip(octets) {
  const lire = `import hashlib, io, json, sys, zipfile
z = zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read()))
assert z.testzip() is None
print(json.dumps({i.filename: hashlib.sha256(z.read(i)).hexdigest() for i in z.infolist()}))`;
  return JSON.parse(execFileSync("/usr/bin/python3", ["-c", lire], { input: octets }).toString());
}

let serveur, navigateur, page;

before(async () => {
  serveur = await servir(site);
  navigateur = await chromium.launch({ executablePath: executable, args: ["--no-sandbox"] });
  page = await navigateur.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
  await page.goto(`${serveur.origine}/serie.html`);
  await vues(1);
});

after(async () => {
  await navigateur?.close();
  serveur?.fermer();
});

const vues = (n) => page.waitForFunction((n) => Number(document.body.dataset.vues) >= n, n);
const nombre_vues = () => page.evaluate(() => Number(document.body.dataset.vues));
const cellule = (r, c) => page.locator(`#tab_stations tbody tr:nth-child(${r}) td:nth-child(${c}) input`);
const lignes = () => page.locator("#tab_stations tbody tr").count();
async function apres(action) {
  const avant = await nombre_vues();
  await action();
  await vues(avant + 1);
}

test("the example at first: four stations, ten formers, one sheet", async () => {
  assert.equal(await lignes(), 4);
  assert.equal(await page.locator("#lst_couples li").count(), 10);
  assert.match(await page.locator("#vue_planches figcaption").first().textContent(), /^Planche 1 \(200 x 150 mm\)/);
});

test("three rows pasted with decimal commas, then undone and redone", async () => {
  await page.getByRole("button", { name: "Ajouter une station" }).click();
  await page.waitForFunction(() => document.querySelectorAll("#tab_stations tbody tr").length === 5);
  await apres(() => cellule(5, 1).evaluate((champ) => {
    const donnees = new DataTransfer();
    donnees.setData("text/plain", "1100;8,5;11;4,5;6,5;5;0;0;2\n1200\t8\t10,25\t4\t6\t4,5\t0\t0\t2\n1300;7;9;3,5;5;4;0;0;1,5\n");
    champ.dispatchEvent(new ClipboardEvent("paste", { clipboardData: donnees, bubbles: true, cancelable: true }));
  }));
  assert.equal(await lignes(), 7);
  assert.deepEqual(await Promise.all([cellule(5, 2), cellule(6, 3), cellule(7, 9)].map((c) => c.inputValue())),
    ["8.5", "10.25", "1.5"]);
  await page.locator("#txt_nom").click();
  await apres(() => page.keyboard.press("Control+Z"));
  assert.equal(await lignes(), 5, "the paste undone");
  await apres(() => page.keyboard.press("Control+Z"));
  assert.equal(await lignes(), 4, "the added station undone");
  await apres(() => page.keyboard.press("Control+Y"));
  await apres(() => page.keyboard.press("Control+Y"));
  assert.equal(await lignes(), 7);
  assert.match(await page.locator("#lst_couples li").first().textContent(), /^F1 à 0 mm/);
});

test("a faulty cell is red with its sentence, the views kept greyed", async () => {
  await apres(() => page.getByLabel("Station 2, Largeur totale").fill("32x"));
  const champ = page.getByLabel("Station 2, Largeur totale");
  assert.equal(await champ.getAttribute("aria-invalid"), "true");
  assert.match(await champ.getAttribute("title"), /n'est pas un nombre/);
  assert.match(await page.locator("#lbl_echecs").textContent(), /^Station 2, Largeur totale : /);
  assert.equal(await page.locator("#lieu_vues").getAttribute("aria-disabled"), "true");
  assert.equal(await page.locator("#lst_couples li").count(), 10, "the last good list stays");
  await apres(() => champ.fill("32"));
  assert.equal(await page.locator("#lieu_vues").getAttribute("aria-disabled"), "false");
});

test("a length out of its range, or empty, is red and said; the views wait", async () => {
  for (const [groupe, etiquette, texte, phrase] of [["Impression 3D (STL)", "Pas :", "0.01", "Pas : entre 0.1 et 1000 mm"],
    ["Planche", "Largeur :", "", "Largeur : entre 1 et 100000 mm"]]) {
    const champ = page.getByRole("group", { name: groupe }).getByLabel(etiquette, { exact: true });
    const avant = await champ.inputValue();
    await apres(() => champ.fill(texte));
    assert.equal(await champ.getAttribute("aria-invalid"), "true");
    assert.equal(await page.locator("#lbl_echecs").textContent(), phrase);
    assert.equal(await page.locator("#lieu_vues").getAttribute("aria-disabled"), "true");
    await apres(() => champ.fill(avant));
    assert.equal(await champ.getAttribute("aria-invalid"), "false");
  }
});

test("a reload keeps the series", async () => {
  await apres(() => page.getByLabel("Nom :").fill("Mon planeur"));
  await page.reload();
  await vues(1);
  assert.equal(await page.getByLabel("Nom :").inputValue(), "Mon planeur");
  assert.equal(await lignes(), 7);
});

test("a broken file gets the command's message and leaves the series as it was", async () => {
  const dossier = mkdtempSync(join(tmpdir(), "casse-"));
  const chemin = join(dossier, "casse.toml");
  const enorme = Buffer.alloc(50 << 20, "# 50 Mo de commentaires\n");
  for (const octets of [Buffer.from("[[station]]\nposition = \"x\"\n"),
    Buffer.from("a = [[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[1"), Buffer.from([0xff, 0]), enorme]) {
    writeFileSync(chemin, octets);
    await page.locator("#fichier_ouvrir").setInputFiles(chemin);
    // What bilobe-serie says of the same file.
    const attendu = spawnSync(bilobe_serie, ["casse.toml", "-o", "x"], { cwd: dossier }).stderr.toString()
      .replace(/^bilobe-serie : /, "").trimEnd();
    await page.waitForFunction((t) => document.querySelector("#message_fichier").textContent === t, attendu);
  }
  rmSync(dossier, { recursive: true });
  assert.equal(await page.getByLabel("Nom :").inputValue(), "Mon planeur");
  assert.equal(await lignes(), 7);
});

test("the example opened and exported in every format: the zip holds bilobe-serie's files", async () => {
  await apres(() => page.locator("#fichier_ouvrir").setInputFiles({ name: "planeur.toml",
    mimeType: "application/toml", buffer: EXEMPLE }));
  assert.equal(await lignes(), 4);
  const formats = ["dat", "svg", "dxf", "pdf", "plan", "stl"];
  assert.deepEqual(fichiers_du_zip(await exporter(formats)), commande(formats.join(",")));
});

test("the fuselage in 3D turns with a drag and comes back with a double-click", async () => {
  const image = () => page.locator("#vue_3d").evaluate((toile) => toile.toDataURL());
  const peinte = async (avant) => page.waitForFunction(
    (avant) => document.querySelector("#vue_3d").toDataURL() !== avant, avant);
  const depart = await image();
  const boite = await page.locator("#vue_3d").boundingBox();
  await page.mouse.move(boite.x + 100, boite.y + 100);
  await page.mouse.down();
  await page.mouse.move(boite.x + 180, boite.y + 130, { steps: 4 });
  await page.mouse.up();
  await peinte(depart);
  const tournee = await image();
  await page.locator("#vue_3d").dblclick();
  await peinte(tournee);
  assert.equal(await image(), depart);
});

async function exporter(formats) {
  await page.getByRole("button", { name: "Exporter…" }).click();
  for (const boite of await page.locator("#formats input").all())
    await boite.setChecked(formats.includes(await boite.getAttribute("value")));
  const [telechargement] = await Promise.all([page.waitForEvent("download"),
    page.getByRole("button", { name: "Exporter", exact: true }).click()]);
  await page.getByRole("button", { name: "Annuler" }).last().click();
  return readFileSync(await telechargement.path());
}

test("a sheet zooms about the pointer, stays zoomed while the series changes, and comes back whole", async () => {
  const cadre = page.locator(".cadre-zoom").first();
  const transformation = () => page.locator(".cadre-zoom img").first().evaluate((i) => i.style.transform);
  await cadre.scrollIntoViewIfNeeded();
  const boite = await cadre.boundingBox();
  await page.mouse.move(boite.x + 100, boite.y + 80);
  for (let k = 0; k < 5; ++k) await page.mouse.wheel(0, -100);
  await page.waitForFunction(() => document.querySelector(".cadre-zoom img").style.transform.includes("scale(2.01"));
  const zoomee = await transformation();
  await apres(() => page.getByLabel("Station 2, Hauteur totale dos").fill("41"));
  assert.equal(await transformation(), zoomee);
  await cadre.dblclick();
  assert.equal(await transformation(), "translate(0px, 0px) scale(1)");
});

test("notches and tabs: the file saved and the sheets exported are bilobe-serie's", async () => {
  await page.getByRole("button", { name: "Encoches et pattes…" }).click();
  assert.equal(await page.getByLabel("Garde sous le plus grand :").inputValue(), "5");
  await page.getByRole("button", { name: "Ajouter une encoche" }).click();
  await page.getByLabel("Encoche 1 : Profondeur (mm)").fill("1");
  await page.getByLabel("Pattes de montage").check();
  await page.getByLabel("Écart (axe - centre) :").fill("0"); // one tab on the axis: the tail formers are narrow
  await apres(() => page.getByRole("button", { name: "OK" }).click());
  assert.equal(await page.locator("#resume_kit").textContent(), "1 encoche, pattes dessous");
  const [sauvegarde] = await Promise.all([page.waitForEvent("download"),
    page.getByRole("button", { name: "Enregistrer…" }).click()]);
  const fuselage = readFileSync(await sauvegarde.path());
  assert.match(fuselage.toString(), /\[\[encoche\]\][^]*\[pattes\][^]*garde = 5/);
  assert.deepEqual(fichiers_du_zip(await exporter(["dxf", "svg"])), commande("dxf,svg", fuselage));
});

test("an export cancelled writes nothing, and the next one works", async () => {
  const quarante = Buffer.from(EXEMPLE.toString().replace(/nombre = \d+/, "nombre = 40"));
  await apres(() => page.locator("#fichier_ouvrir").setInputFiles({ name: "planeur.toml",
    mimeType: "application/toml", buffer: quarante }));
  let telecharge = false;
  page.on("download", () => (telecharge = true));
  await page.getByRole("button", { name: "Exporter…" }).click();
  for (const f of ["dat", "svg", "dxf", "pdf", "plan", "stl"]) await page.locator(`#chk_format_${f}`).check();
  await page.getByRole("button", { name: "Exporter", exact: true }).click();
  await page.getByRole("button", { name: "Annuler" }).last().click();
  await page.waitForFunction(() => document.querySelector("#message_export").textContent.startsWith("Export annulé"));
  assert.equal(telecharge, false);
  const [telechargement] = await Promise.all([page.waitForEvent("download"),
    page.getByRole("button", { name: "Exporter", exact: true }).click()]);
  assert.deepEqual(fichiers_du_zip(readFileSync(await telechargement.path())),
    commande("dat,svg,dxf,pdf,plan,stl", quarante));
  await page.getByRole("button", { name: "Annuler" }).last().click();
});

test("« Nouvelle série » asks first, then starts from the page « Couple »'s former", async () => {
  page.once("dialog", (d) => d.dismiss());
  await page.getByRole("button", { name: "Nouvelle série" }).click();
  assert.equal(await lignes(), 4);
  page.once("dialog", (d) => d.accept());
  await apres(() => page.getByRole("button", { name: "Nouvelle série" }).click());
  assert.equal(await lignes(), 1);
  assert.equal(await cellule(1, 2).inputValue(), "50");
  assert.match(await page.locator("#lbl_echecs").textContent(), /deux stations/);
  await apres(() => page.locator("#fichier_ouvrir").setInputFiles({ name: "planeur.toml",
    mimeType: "application/toml", buffer: EXEMPLE }));
});

test("a former of the list opens in the page « Couple »", async () => {
  await page.locator("#lst_couples a").nth(1).click();
  await page.waitForFunction(() => Number(document.body.dataset.trace) >= 1);
  assert.equal(await page.getByLabel("Largeur totale :").inputValue(), "25.76");
});
