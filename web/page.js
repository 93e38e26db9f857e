// The page "Couple": the main window's fields, read and traced by the same
// core, the preview redrawn as the fields change, and the files handed over.
import { dessiner } from "./apercu.js";
import { installer_kit } from "./kit.js";
import { demander, poser_bulles } from "./noyau.js";
import { donner } from "./telechargement.js";
import { une_a_la_fois } from "./une_a_la_fois.js";

const $ = (id) => document.getElementById(id);
const CHAMPS = ["xtot", "ytot", "xa", "ya", "segv", "yinf", "segh", "ep", "nbptel", "nbptseg"];
const REGLAGES = "bilobe.gabarit";

// The template settings, kept from one visit to the next as the desktop
// keeps them; settings that do not read as ours (another version, a hand
// edit) are the defaults.
const OPTIONS_PAR_DEFAUT = { paroiConstante: false, saignee: 0, encoches: [], pattes: null };
const textes = (t) => Array.isArray(t) && t.length === 3 && t.every((x) => typeof x === "string");
const nombres = (p) => ["largeur", "ecart", "distance"].every((k) => Number.isFinite(p[k]));
function reglages_lus(texte) {
  try {
    const o = JSON.parse(texte);
    const bons = typeof o.paroiConstante === "boolean" && o.saignee >= 0 && o.saignee <= 10 &&
      Array.isArray(o.encoches) && o.encoches.length <= 100 && o.encoches.every(textes) &&
      (o.pattes === null || (typeof o.pattes.dessus === "boolean" && nombres(o.pattes)));
    if (bons) return o;
  } catch {
    // Not JSON: the defaults.
  }
  return { ...OPTIONS_PAR_DEFAUT };
}
let options = reglages_lus(localStorage.getItem(REGLAGES));
const garder_options = () => localStorage.setItem(REGLAGES, JSON.stringify(options));

function champs() {
  const c = Object.fromEntries(CHAMPS.map((n) => [n, $(`txt_${n}`).value]));
  c.ch = $("chk_segh").checked;
  c.cv = $("chk_segv").checked;
  return c;
}

function dire(texte) {
  if ($("message").textContent !== texte) $("message").textContent = texte;
}

// The preview follows the fields: one trace at a time, the last on the
// fields as they are.
let dernier_apercu = null;

const tracer = une_a_la_fois(async () => {
  const r = await demander("apercu", champs(), options);
  if (r.erreur) {
    dire(r.erreur);
  } else {
    dire("");
    dernier_apercu = r;
    $("lbl_nbpts").textContent = r.legende;
    dessiner($("toile"), r);
  }
}, () => (document.body.dataset.trace = String(Number(document.body.dataset.trace ?? 0) + 1)));

// A field that is not wholly a number turns red and says what it is read
// as: in its tooltip, as on the desktop, and in a line under it, which a
// tablet shows and a screen reader reads with the field.
async function marquer(champ) {
  const defaut = await demander("defautChamp", champ.value);
  champ.classList.toggle("faux", defaut !== "");
  champ.setAttribute("aria-invalid", defaut !== "" ? "true" : "false");
  champ.title = defaut || champ.dataset.bulle || "";
  $(`lu_${champ.name}`).textContent = defaut;
}

async function exporter(format) {
  await tracer();
  const r = await demander("fichier", champs(), format, options);
  if (r.erreur) {
    dire(r.erreur);
    return;
  }
  if (await donner(r.nom, r.octets, format)) $("resume").textContent = `${r.resume} : ${r.nom}`;
}

function segment(boite, nom) {
  const suivre = () => ($(`txt_${nom}`).disabled = !boite.checked);
  boite.addEventListener("change", () => {
    suivre();
    tracer();
  });
  suivre();
}

async function demarrer() {
  for (const n of CHAMPS) {
    const champ = $(`txt_${n}`);
    const lecture = document.createElement("div");
    lecture.id = `lu_${n}`;
    lecture.className = "lecture";
    champ.closest(".ligne").after(lecture);
    champ.setAttribute("aria-describedby", lecture.id);
    champ.autocomplete = "off";
    champ.inputMode = "decimal";
    champ.addEventListener("input", () => {
      marquer(champ);
      tracer();
    });
  }
  segment($("chk_segv"), "segv");
  segment($("chk_segh"), "segh");
  $("formulaire").addEventListener("submit", (e) => {
    e.preventDefault();
    tracer();
  });
  $("Bt_Sauve").addEventListener("click", () => exporter("dat"));
  for (const b of document.querySelectorAll("#menu_gabarit [data-format]"))
    b.addEventListener("click", () => exporter(b.dataset.format));

  $("chk_paroi_constante").checked = options.paroiConstante;
  $("chk_paroi_constante").addEventListener("change", (e) => {
    options.paroiConstante = e.target.checked;
    garder_options();
  });
  $("txt_saignee").value = options.saignee;
  $("txt_saignee").addEventListener("input", (e) => {
    const mm = e.target.value === "" ? NaN : Number(e.target.value);
    const bonne = mm >= 0 && mm <= 10;
    e.target.setAttribute("aria-invalid", bonne ? "false" : "true");
    e.target.classList.toggle("faux", !bonne);
    if (!bonne) return;
    options.saignee = mm;
    garder_options();
  });
  installer_kit(
    () => ({ encoches: options.encoches, pattes: options.pattes }),
    (kit) => {
      options = { ...options, ...kit };
      garder_options();
      tracer();
    });
  new ResizeObserver(() => dessiner($("toile"), dernier_apercu)).observe($("toile"));

  // A former chosen in the page "Série de couples" comes in the address.
  const venus = new URLSearchParams(location.hash.slice(1));
  for (const n of CHAMPS) if (venus.has(n)) $(`txt_${n}`).value = venus.get(n);
  for (const [n, boite] of [["ch", "chk_segh"], ["cv", "chk_segv"]])
    if (venus.has(n)) {
      $(boite).checked = venus.get(n) === "true";
      $(boite).dispatchEvent(new Event("change"));
    }
  $("txt_xtot").focus();
  const premier = tracer();
  // A field's reading after the tooltips, as it replaces its tooltip.
  await poser_bulles();
  for (const n of CHAMPS) marquer($(`txt_${n}`));
  await premier;
}

demarrer();
