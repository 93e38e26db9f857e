// The page's core (WebAssembly, under Node) against the desktop's: every
// run of both commands in the command corpus prints, writes and fails the
// same, to the byte, its files kept in memory instead of a scratch folder.
//   node coeur_wasm.test.mjs [BILOBE_DAT] MODULE_NODE CORPUS
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { createHash } from "node:crypto";
import { mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { createRequire } from "node:module";
import { test } from "node:test";

const [module_node, corpus] = process.argv.slice(-2);
const bilobe = await createRequire(import.meta.url)(resolve(module_node))();
const attendu = JSON.parse(readFileSync(corpus, "utf8"));

const empreinte = (octets) => createHash("sha256").update(octets).digest("hex");

// The fuselage files the series runs read, as the corpus script writes them.
const dossier_fuselages = mkdtempSync(join(tmpdir(), "fuselages-"));
execFileSync("/usr/bin/python3", [join(dirname(corpus), "verifier_corpus.py"), "-", "-", "--fuselages", dossier_fuselages]);
const fuselages = Object.fromEntries(
  readdirSync(dossier_fuselages).map((nom) => [nom, readFileSync(join(dossier_fuselages, nom), "utf8")]));
rmSync(dossier_fuselages, { recursive: true });

for (const [nom, resultat] of Object.entries(attendu)) {
  const [commande, ...args] = nom.split(" ");
  test(nom, () => {
    const r = bilobe.executerCommande(`bilobe-${commande}`, args, commande === "serie" ? fuselages : {}, "1700000000");
    const fichiers = Object.fromEntries(
      Object.entries(r.fichiers).map(([chemin, octets]) => [chemin.slice(1), empreinte(octets)]));
    const dossier = (texte) => texte.replaceAll("<DOSSIER>/", "/");
    assert.deepEqual(
      { code: r.code, sortie: r.sortie, erreurs: r.erreurs, fichiers },
      { code: resultat.code, sortie: dossier(resultat.sortie), erreurs: dossier(resultat.erreurs),
        fichiers: resultat.fichiers });
  });
}

// The series page's export: the corpus's series runs as one .zip, read by
// Python's zipfile (every CRC checked), holding the command's files.
const LIRE_ZIP = `import hashlib, io, json, sys, zipfile
z = zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read()))
assert z.testzip() is None
print(json.dumps({i.filename: hashlib.sha256(z.read(i)).hexdigest() for i in z.infolist()}))`;
for (const [nom, resultat] of Object.entries(attendu)) {
  const m = nom.match(/^serie (\S+) -o (\S+)(?: --format (\S+))?$/);
  if (!m || resultat.code !== 0) continue;
  test(`zip : ${nom}`, () => {
    const [, fuselage, dossier, formats] = m;
    const avancement = [];
    const r = bilobe.exporterSerie(fuselages[fuselage], fuselage, formats ?? "dat,svg,dxf,pdf,plan", 1796872560,
      "1700000000", (fait, total) => avancement.push([fait, total]));
    assert.equal(r.erreur, undefined);
    const lus = JSON.parse(execFileSync("/usr/bin/python3", ["-c", LIRE_ZIP], { input: r.octets }).toString());
    const attendus = Object.fromEntries(
      Object.entries(resultat.fichiers).map(([chemin, h]) => [chemin.slice(dossier.length + 1), h]));
    assert.deepEqual(lus, attendus);
    assert.equal(r.nom, "Planeur.zip");
    assert.ok(resultat.sortie.startsWith(r.resume) && r.resume.length > 0);
    assert.deepEqual(avancement.at(-1), [avancement.at(-1)[1], avancement.at(-1)[1]], "avancement jusqu'au bout");
  });
}

test("zip : a broken fuselage file says what the command says", () => {
  const r = bilobe.exporterSerie("[[station]]\nposition = \"x\"\n", "casse.toml", "dat", 0, "", () => {});
  const commande = bilobe.executerCommande("bilobe-serie", ["casse.toml", "-o", "x"],
    { "casse.toml": "[[station]]\nposition = \"x\"\n" }, "");
  assert.equal(`bilobe-serie : ${r.erreur}\n`, commande.erreurs);
});

// Beyond the corpus: formers drawn at random (a fixed seed), each in a
// format in turn, made by this system's bilobe-dat and by the WebAssembly
// core, whose mathematical library is not the same: code, messages, bytes.
const bilobe_dat = process.argv.at(-3);
if (bilobe_dat.endsWith("bilobe-dat")) {
  test("200 random formers: the same as this system's bilobe-dat", () => {
    let graine = 12345;
    const alea = (min, max, decimales) => {
      graine = (graine * 1103515245 + 12345) % 2147483648;
      return (min + (graine / 2147483648) * (max - min)).toFixed(decimales);
    };
    for (let k = 0; k < 200; ++k) {
      const xtot = alea(20, 100, 3);
      const ytot = alea(30, 130, 2);
      const args = ["--xtot", xtot, "--ytot", ytot, "--xa", alea(0.2 * xtot, 0.9 * xtot, 4), "--ya",
        alea(0.2 * ytot, 0.9 * ytot, 1), "--yinf", alea(10, 70, 2), "--ep", alea(1, 6, 2), "--nbptel", alea(5, 205, 0),
        ...(k % 3 ? ["--ch"] : []), ...(k % 4 ? [] : ["--cv"]), "--format", ["dat", "svg", "dxf", "pdf"][k % 4]];
      const natif = spawnSync(bilobe_dat, [...args, "-o", "-"], { env: {} });
      const r = bilobe.executerCommande("bilobe-dat", [...args, "-o", "f"], {}, "");
      const erreurs = natif.stderr.toString();
      assert.deepEqual([r.code, r.erreurs, r.fichiers["/f"] && empreinte(r.fichiers["/f"])],
        [natif.status, erreurs, natif.status === 0 ? empreinte(natif.stdout) : undefined], args.join(" "));
    }
  });
}
