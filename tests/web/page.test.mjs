// The page "Couple" in Debian's Chromium: fields typed, the preview redrawn,
// files downloaded and held against bilobe-dat's bytes for the same fields,
// faulty fields and failed traces said, and nothing asked of another origin.
//   node page.test.mjs SITE BILOBE_DAT CHROMIUM
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { after, before, test } from "node:test";
import { chromium } from "playwright-core";
import { servir } from "./serveur.mjs";

const [site, bilobe_dat, executable] = process.argv.slice(-3).map((a) => resolve(a));
if (!existsSync(bilobe_dat)) throw new Error(`${bilobe_dat} manque : construisez d'abord le préréglage default`);

// bilobe-dat's file for these arguments: its name and bytes.
function desktop(...args) {
  const dossier = mkdtempSync(join(tmpdir(), "bilobe-"));
  try {
    const env = { ...process.env };
    delete env.SOURCE_DATE_EPOCH; // the page's PDF carries no date either
    execFileSync(bilobe_dat, args, { cwd: dossier, env });
    const [nom] = readdirSync(dossier);
    return { nom, octets: readFileSync(join(dossier, nom)) };
  } finally {
    rmSync(dossier, { recursive: true });
  }
}

let serveur, navigateur, page;
const requetes = [];

before(async () => {
  serveur = await servir(site);
  navigateur = await chromium.launch({ executablePath: executable, args: ["--no-sandbox"] });
  page = await navigateur.newPage({ viewport: { width: 1280, height: 720 }, acceptDownloads: true });
  page.on("request", (r) => requetes.push(r.url()));
  await page.goto(serveur.origine);
  await traces(1);
});

after(async () => {
  await navigateur?.close();
  serveur?.fermer();
});

const traces = (n) => page.waitForFunction((n) => Number(document.body.dataset.trace) >= n, n);
const nombre_traces = () => page.evaluate(() => Number(document.body.dataset.trace));

async function telecharger(bouton) {
  const [fichier] = await Promise.all([page.waitForEvent("download"), page.getByRole("button", { name: bouton }).click()]);
  return { nom: fichier.suggestedFilename(), octets: readFileSync(await fichier.path()) };
}

async function remplir(valeurs) {
  for (const [etiquette, texte] of Object.entries(valeurs)) await page.getByLabel(etiquette, { exact: true }).fill(texte);
}

test("every field found by its label, the template entries named by their format", async () => {
  for (const etiquette of ["Largeur totale :", "Hauteur totale dos :", "Epaisseur de paroi :", "Nb pts segments :"])
    assert.equal(await page.getByLabel(etiquette, { exact: true }).count(), 1, etiquette);
  for (const format of ["SVG", "DXF", "PDF"])
    assert.equal(await page.getByRole("button", { name: new RegExp(`gabarit.*${format}`) }).count(), 1, format);
  assert.equal(await page.getByLabel("Largeur totale :").getAttribute("title"),
    "Largeur totale : de l'axe au flanc, la moitié de la largeur du couple (mm)");
});

test("Tab goes down the fields, Enter traces", async () => {
  await page.getByLabel("Largeur totale :").focus();
  const ordre = [];
  for (let k = 0; k < 9; ++k) {
    await page.keyboard.press("Tab");
    ordre.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(ordre, ["txt_ytot", "txt_xa", "txt_ya", "chk_segv", "txt_yinf", "chk_segh", "txt_ep", "txt_nbptel",
    "txt_nbptseg"]);
  const avant = await nombre_traces();
  await page.keyboard.press("Enter");
  await traces(avant + 1);
});

test("the default former's .DAT is bilobe-dat's, name and bytes", async () => {
  assert.equal(await page.locator("#lbl_nbpts").textContent(), " 549 points)");
  assert.deepEqual(await telecharger("Sauver le fichier"), desktop());
});

test("typed fields and ticked boxes: the preview redrawn, the same .DAT as bilobe-dat", async () => {
  const avant = await nombre_traces();
  await remplir({ "Largeur totale :": "80", "Hauteur totale dos :": "60", "Larg. point de jonction :": "50",
    "Haut. point de jonction :": "30", "Hauteur partie inférieure :": "25", "Epaisseur de paroi :": "2.5" });
  await page.getByLabel("Flanc droit").check();
  await page.getByLabel("Fond plat").check();
  await traces(avant + 1);
  await page.waitForFunction(() => !document.querySelector("#txt_segh").disabled);
  assert.deepEqual(await telecharger("Sauver le fichier"),
    desktop("--xtot", "80", "--ytot", "60", "--xa", "50", "--ya", "30", "--yinf", "25", "--ep", "2.5", "--ch", "--cv"));
});

test("the templates with kerf, constant wall, a notch and tabs are bilobe-dat's", async () => {
  await page.getByLabel("Paroi d'épaisseur constante").check();
  await page.getByLabel("Saignée de découpe (mm) :").fill("0.4");
  await page.getByRole("button", { name: "Encoches et pattes…" }).click();
  await page.getByRole("button", { name: "Ajouter une encoche" }).click();
  await page.getByLabel("Encoche 1 : Largeur (mm)").fill("4");
  await page.getByLabel("Encoche 1 : Profondeur (mm)").fill("1");
  await page.getByLabel("Pattes de montage").check();
  await page.getByRole("button", { name: "OK" }).click();
  const champs = ["--xtot", "80", "--ytot", "60", "--xa", "50", "--ya", "30", "--yinf", "25", "--ep", "2.5", "--ch",
    "--cv", "--paroi-constante", "--saignee", "0.4", "--encoche", "dos:4:1", "--pattes", "dessous:6:15:80"];
  for (const [format, bouton] of [["svg", "Exporter le gabarit SVG…"], ["dxf", "Exporter le gabarit DXF…"],
    ["pdf", "Imprimer le gabarit (PDF 1:1)…"]])
    assert.deepEqual(await telecharger(bouton), desktop(...champs, "--format", format), format);
});

test("a kit row that does not read keeps the dialog open and says why", async () => {
  await page.getByRole("button", { name: "Encoches et pattes…" }).click();
  await page.getByLabel("Encoche 1 : Place").fill("milieu");
  await page.getByRole("button", { name: "OK" }).click();
  await page.waitForFunction(() => document.querySelector("#fautes_kit").textContent !== "");
  assert.match(await page.locator("#fautes_kit").textContent(), /^Encoche 1 : la place va de 0 à 1/);
  assert.equal(await page.locator("#Frm_Kit").evaluate((d) => d.open), true);
  await page.getByRole("button", { name: "Annuler" }).click();
  assert.equal(await page.locator("#Frm_Kit").evaluate((d) => d.open), false);
});

test("a field that is not wholly a number turns red and says what was read", async () => {
  const champ = page.getByLabel("Largeur totale :");
  await champ.fill("2,5");
  await page.waitForFunction(() => document.querySelector("#txt_xtot").getAttribute("aria-invalid") === "true");
  assert.equal(await champ.getAttribute("title"), "lu 2 : le séparateur décimal est le point");
  assert.equal(await page.locator("#lu_xtot").textContent(), "lu 2 : le séparateur décimal est le point");
  await champ.fill("80");
  await page.waitForFunction(() => document.querySelector("#txt_xtot").getAttribute("aria-invalid") === "false");
});

test("a former that cannot be traced is said, and nothing is downloaded", async () => {
  await page.getByLabel("Largeur totale :").fill("0");
  await page.waitForFunction(() => document.querySelector("#message").textContent !== "");
  // The error, then the fields it names and what each was read as.
  assert.match(await page.locator("#message").textContent(),
    /^Division par zéro \(xa \/ xtot\)\n« Larg\. point de jonction » se lit [0-9.]+ ; « Largeur totale » se lit 0$/);
  let telecharge = false;
  page.once("download", () => (telecharge = true));
  await page.getByRole("button", { name: "Sauver le fichier" }).click();
  await page.waitForTimeout(300);
  assert.equal(telecharge, false);
  await page.getByLabel("Largeur totale :").fill("80");
  await page.waitForFunction(() => document.querySelector("#message").textContent === "");
});

test("template settings that do not read are forgotten, not fatal", async () => {
  for (const reglages of ["{", '{"paroiConstante":true,"saignee":0,"encoches":[[1,2]],"pattes":null}']) {
    await page.evaluate((r) => localStorage.setItem("bilobe.gabarit", r), reglages);
    await page.reload();
    await traces(1);
    assert.equal(await page.locator("#message").textContent(), "", reglages);
    assert.deepEqual(await telecharger("Exporter le gabarit SVG…"), desktop("--format", "svg"), reglages);
  }
});

test("no request leaves the page's own origin", () => {
  assert.ok(requetes.length > 5);
  assert.deepEqual(requetes.filter((u) => !u.startsWith(`${serveur.origine}/`)), []);
});
