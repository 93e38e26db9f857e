// The series page's figures, by hand (never a test): a cell edited to every
// view redrawn for the example at 15 formers, and the export of the example
// at 40 formers in every format against bilobe-serie on the same machine.
//   node bench/web/mesurer_serie.mjs BILOBE_SERIE [chromium]
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { chromium } from "../../tests/web/node_modules/playwright-core/index.mjs";
import { servir } from "../../tests/web/serveur.mjs";

const site = resolve(new URL(".", import.meta.url).pathname, "../../build/web");
const [bilobe_serie, executable = "/usr/bin/chromium"] = process.argv.slice(2);
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const exemple = (n) => readFileSync(join(site, "exemples", "planeur.toml"), "utf8").replace(/nombre = \d+/, `nombre = ${n}`);

const serveur = await servir(site);
const navigateur = await chromium.launch({ executablePath: executable, args: ["--no-sandbox"] });
const page = await navigateur.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
await page.goto(`${serveur.origine}/serie.html`);
const vues = (n) => page.waitForFunction((n) => Number(document.body.dataset.vues) >= n, n);
await vues(1);

async function ouvrir(n) {
  const avant = await page.evaluate(() => Number(document.body.dataset.vues));
  await page.locator("#fichier_ouvrir").setInputFiles({ name: "planeur.toml", mimeType: "application/toml",
    buffer: Buffer.from(exemple(n)) });
  await vues(avant + 1);
}

await ouvrir(15);
const edition = await page.evaluate(async () => {
  const champ = document.querySelector("#tab_stations tbody tr:nth-child(2) td:nth-child(2) input");
  const temps = [];
  for (let k = 0; k < 20; ++k) {
    const avant = document.body.dataset.vues;
    const fait = new Promise((ok) => new MutationObserver((_, o) => {
      if (document.body.dataset.vues !== avant) {
        o.disconnect();
        ok();
      }
    }).observe(document.body, { attributes: true }));
    champ.value = k % 2 ? "32" : "32.5";
    const debut = performance.now();
    champ.dispatchEvent(new Event("input", { bubbles: true }));
    await fait;
    await new Promise(requestAnimationFrame);
    temps.push(performance.now() - debut);
  }
  return temps;
});

await ouvrir(40);
const exports = [];
for (let k = 0; k < 3; ++k) {
  await page.getByRole("button", { name: "Exporter…" }).click();
  for (const f of ["dat", "svg", "dxf", "pdf", "plan", "stl"]) await page.locator(`#chk_format_${f}`).check();
  const debut = Date.now();
  await Promise.all([page.waitForEvent("download"), page.getByRole("button", { name: "Exporter", exact: true }).click()]);
  exports.push(Date.now() - debut);
  await page.getByRole("button", { name: "Annuler" }).last().click();
}
await navigateur.close();
serveur.fermer();

const dossier = mkdtempSync(join(tmpdir(), "mesure-"));
writeFileSync(join(dossier, "p40.toml"), exemple(40));
const commande = [];
for (let k = 0; k < 3; ++k) {
  const debut = Date.now();
  execFileSync(bilobe_serie, [join(dossier, "p40.toml"), "-o", join(dossier, `s${k}`), "--format", "dat,svg,dxf,pdf,plan,stl"]);
  commande.push(Date.now() - debut);
}
rmSync(dossier, { recursive: true });

console.log(`cellule changée → vues redessinées (15 couples) : médiane ${mediane(edition).toFixed(0)} ms, ` +
  `de ${Math.min(...edition).toFixed(0)} à ${Math.max(...edition).toFixed(0)} ms (20 changements)`);
console.log(`export de 40 couples, tous les formats : page ${exports.join(", ")} ms ; bilobe-serie ${commande.join(", ")} ms ; ` +
  `rapport des médianes ${(mediane(exports) / mediane(commande)).toFixed(2)}`);
