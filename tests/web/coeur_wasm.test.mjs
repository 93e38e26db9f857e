// The page's core (WebAssembly, under Node) against the desktop's: every
// bilobe-dat run of the command corpus prints, writes and fails the same,
// to the byte, its files kept in memory instead of a scratch folder.
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { readFileSync } from "node:fs";
import { resolve } from "node:path";
import { createRequire } from "node:module";
import { test } from "node:test";

const [module_node, corpus] = process.argv.slice(-2);
const bilobe = await createRequire(import.meta.url)(resolve(module_node))();
const attendu = JSON.parse(readFileSync(corpus, "utf8"));

const empreinte = (octets) => createHash("sha256").update(octets).digest("hex");

for (const [nom, resultat] of Object.entries(attendu)) {
  if (!nom.startsWith("dat ")) continue;
  test(nom, () => {
    const r = bilobe.executerBilobeDat(nom.split(" ").slice(1), "1700000000");
    const fichiers = Object.fromEntries(
      Object.entries(r.fichiers).map(([chemin, octets]) => [chemin.slice(1), empreinte(octets)]));
    const dossier = (texte) => texte.replaceAll("<DOSSIER>/", "/");
    assert.deepEqual(
      { code: r.code, sortie: r.sortie, erreurs: r.erreurs, fichiers },
      { code: resultat.code, sortie: dossier(resultat.sortie), erreurs: dossier(resultat.erreurs),
        fichiers: resultat.fichiers });
  });
}
