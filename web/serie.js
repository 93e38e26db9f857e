// The page "Série de couples": the series window's form, read by the core
// as the window reads it, its views redrawn as it changes, undo and redo
// over the whole form, the series kept in the browser, fuselage files
// opened and saved, every file exported in one .zip.
import { installer_export } from "./export_serie.js";
import { installer_kit } from "./kit.js";
import { demander, poser_bulles } from "./noyau.js";
import { TableStations } from "./stations.js";
import { donner } from "./telechargement.js";
import { une_a_la_fois } from "./une_a_la_fois.js";
import { Vue3d } from "./vue_3d.js";
import { montrer_vues } from "./vues_serie.js";

const $ = (id) => document.getElementById(id);
const STOCKAGE = "bilobe.serie";
const TAILLE_MAX_FUSELAGE = 1 << 20; // bytes, as the command reads them: one more says "too large"
const CHAMPS_COUPLE = { xtot: "50", ytot: "100", xa: "30", ya: "60", yinf: "40", segh: "30", segv: "20", ep: "10" };

let formulaire = null; // the form as the core reads it
let nom_fichier = "fuselage.toml";
let passe = [];
let futur = [];
let dernier_changement = { quand: 0, ou: null };

// --- The form's controls and the form, both ways.
function remplir(f) {
  for (const c of document.querySelectorAll("[data-texte]")) c.value = f.textes[c.dataset.texte];
  for (const c of document.querySelectorAll("[data-case]")) c.checked = f.cases[c.dataset.case];
  for (const c of document.querySelectorAll("[data-longueur]")) c.value = f.longueurs[c.dataset.longueur] ?? "";
  $("opt_nombre").checked = f.parNombre;
  $("opt_positions").checked = !f.parNombre;
  $("txt_nombre").value = f.nombre;
  $("txt_positions").value = f.positions;
  $("cmb_interpolation").value = f.lisse ? "lisse" : "lineaire";
  $("txt_nombre").disabled = !f.parNombre;
  $("txt_positions").disabled = f.parNombre;
  const encoches = f.encoches.length;
  $("resume_kit").textContent = `${encoches ? `${encoches} encoche${encoches > 1 ? "s" : ""}` : "Aucune encoche"}, ` +
    (f.pattes ? `pattes ${f.pattes.dessus ? "dessus" : "dessous"}` : "pas de pattes");
}

function lire() {
  const f = structuredClone(formulaire);
  for (const c of document.querySelectorAll("[data-texte]")) f.textes[c.dataset.texte] = c.value;
  for (const c of document.querySelectorAll("[data-case]")) f.cases[c.dataset.case] = c.checked;
  // As typed: the core says which are out of their range (an empty one is).
  for (const c of document.querySelectorAll("[data-longueur]"))
    f.longueurs[c.dataset.longueur] = c.value === "" ? null : Number(c.value);
  f.parNombre = $("opt_nombre").checked;
  const nombre = Number.parseInt($("txt_nombre").value, 10);
  if (Number.isFinite(nombre)) f.nombre = nombre;
  f.positions = $("txt_positions").value;
  f.lisse = $("cmb_interpolation").value === "lisse";
  return f;
}

// --- Views: one reading at a time, the last one on the form as it is.
const redessiner = une_a_la_fois(async () => {
  const v = await demander("vuesSerie", formulaire);
  if (v.erreur !== undefined) v.defauts = [v.erreur];
  table.montrer(v.cellules ?? []);
  $("txt_positions").classList.toggle("faux", Boolean(v.defautPositions));
  $("txt_positions").title = v.defautPositions || $("txt_positions").dataset.bulle || "";
  for (const c of document.querySelectorAll("[data-longueur]")) {
    const faux = (v.longueursFausses ?? []).includes(Number(c.dataset.longueur));
    c.classList.toggle("faux", faux);
    c.setAttribute("aria-invalid", String(faux));
  }
  montrer_vues(v);
  vue_3d.montrer(v.texte !== undefined && v.profil !== undefined ? v.texte : null);
}, () => (document.body.dataset.vues = String(Number(document.body.dataset.vues ?? 0) + 1)));

// --- Each change: kept for undo (a burst of typing in one place is one
// step), kept in the browser, and drawn.
function changer(nouveau, ou = null) {
  const maintenant = performance.now();
  const meme_rafale = ou !== null && ou === dernier_changement.ou && maintenant - dernier_changement.quand < 1000;
  if (!meme_rafale) passe.push(JSON.stringify(formulaire));
  futur = [];
  dernier_changement = { quand: maintenant, ou };
  formulaire = nouveau;
  garder();
  redessiner();
}

function garder() {
  localStorage.setItem(STOCKAGE, JSON.stringify({ formulaire, nom_fichier }));
}

function montrer_formulaire(f) {
  formulaire = f;
  remplir(f);
  table.montrer();
  garder();
  redessiner();
}

function retour(de, vers) {
  if (!de.length) return;
  vers.push(JSON.stringify(formulaire));
  dernier_changement = { quand: 0, ou: null };
  montrer_formulaire(JSON.parse(de.pop()));
}

// A new form (a file opened, a new series) starts a history of its own.
function commencer(f, nom) {
  passe = [];
  futur = [];
  nom_fichier = nom;
  montrer_formulaire(f);
}

async function ouvrir(fichier) {
  const octets = new Uint8Array(await fichier.slice(0, TAILLE_MAX_FUSELAGE + 1).arrayBuffer());
  const r = await demander("ouvrirFuselage", octets, fichier.name);
  if (r.erreur !== undefined) {
    $("message_fichier").textContent = r.erreur; // the series stays as it was
    return;
  }
  $("message_fichier").textContent = "";
  commencer(r.formulaire, fichier.name);
}

async function enregistrer() {
  const r = await demander("fichierFuselage", formulaire);
  if (r.erreur !== undefined) {
    $("message_fichier").textContent = `Rien n'est enregistré : ${r.erreur}`;
    return;
  }
  const nom = nom_fichier.endsWith(".toml") ? nom_fichier : `${formulaire.textes[0] || "fuselage"}.toml`;
  await donner(nom, new TextEncoder().encode(r.texte), "toml");
}

// The series kept in the browser, else the example.
async function premiere_serie() {
  try {
    const garde = JSON.parse(localStorage.getItem(STOCKAGE) ?? "null");
    if (garde && (await demander("vuesSerie", garde.formulaire)).erreur === undefined)
      return [garde.formulaire, garde.nom_fichier];
  } catch {
    // Not ours: the example instead.
  }
  const exemple = new Uint8Array(await (await fetch("exemples/planeur.toml")).arrayBuffer());
  return [(await demander("ouvrirFuselage", exemple, "planeur.toml")).formulaire, "planeur.toml"];
}

const vue_3d = new Vue3d($("vue_3d"));
const table = new TableStations(() => formulaire.stations,
  (lignes, cellule) => changer({ ...formulaire, stations: lignes }, cellule));

async function demarrer() {
  $("formulaire_serie").addEventListener("input", (e) => {
    if (e.target.closest("#tab_stations")) return;
    changer(lire(), e.target);
  });
  $("formulaire_serie").addEventListener("change", (e) => {
    if (e.target.type === "radio") {
      $("txt_nombre").disabled = !$("opt_nombre").checked;
      $("txt_positions").disabled = $("opt_nombre").checked;
      changer(lire());
    }
  });
  $("formulaire_serie").addEventListener("submit", (e) => e.preventDefault());
  $("Bt_Annuler_Modif").addEventListener("click", () => retour(passe, futur));
  $("Bt_Retablir").addEventListener("click", () => retour(futur, passe));
  document.addEventListener("keydown", (e) => {
    if (!e.ctrlKey || e.altKey || document.querySelector("dialog[open]")) return;
    const touche = e.key.toLowerCase();
    if (touche === "z" && !e.shiftKey) retour(passe, futur);
    else if (touche === "y" || (touche === "z" && e.shiftKey)) retour(futur, passe);
    else return;
    e.preventDefault();
  });
  $("Bt_Nouvelle").addEventListener("click", async () => {
    if (!window.confirm("Abandonner la série en cours pour une nouvelle ?")) return;
    commencer(await demander("nouvelleSerie", CHAMPS_COUPLE), "fuselage.toml");
  });
  $("fichier_ouvrir").addEventListener("change", (e) => {
    if (e.target.files[0]) ouvrir(e.target.files[0]);
    e.target.value = "";
  });
  document.addEventListener("dragover", (e) => e.preventDefault());
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    if (e.dataTransfer.files[0]) ouvrir(e.dataTransfer.files[0]);
  });
  $("Bt_Enregistrer").addEventListener("click", enregistrer);
  $("Bt_Inserer").addEventListener("click", async () => {
    const texte = window.prompt("Position de la nouvelle station (mm) :");
    if (texte === null) return;
    const position = await demander("nombreLu", texte);
    const r = position === null ? { erreur: `« ${texte} » n'est pas une position en mm.` }
      : await demander("stationA", formulaire, position);
    $("message_fichier").textContent = r.erreur ?? "";
    if (r.erreur !== undefined) return;
    const lignes = structuredClone(formulaire.stations);
    lignes.splice(r.rang, 0, r.ligne);
    changer({ ...formulaire, stations: lignes });
  });
  installer_export(() => demander("fichierFuselage", formulaire), () => nom_fichier);
  installer_kit(() => ({ encoches: formulaire.encoches, pattes: formulaire.pattes }), (kit) => {
    changer({ ...formulaire, ...kit });
    remplir(formulaire);
  }, true);

  const [f, nom] = await premiere_serie();
  commencer(f, nom);
  await poser_bulles();
}

demarrer();
