// "Encoches et pattes": the notches' table and the tabs. OK takes them only
// when the core reads every row; Annuler puts back what was there.
import { demander } from "./noyau.js";

const $ = (id) => document.getElementById(id);

function ajouter_ligne(place, largeur, profondeur) {
  const ligne = $("tab_encoches").tBodies[0].insertRow();
  const noms = ["Place", "Largeur (mm)", "Profondeur (mm)"];
  [place, largeur, profondeur].forEach((texte, c) => {
    const champ = document.createElement("input");
    champ.value = texte;
    champ.setAttribute("aria-label", `Encoche ${ligne.rowIndex} : ${noms[c]}`);
    // A comma typed becomes the point the cells are read with.
    champ.addEventListener("input", () => (champ.value = champ.value.replaceAll(",", ".")));
    ligne.insertCell().append(champ);
  });
  return ligne;
}

function remplir(kit) {
  $("tab_encoches").tBodies[0].replaceChildren();
  for (const e of kit.encoches) ajouter_ligne(...e);
  $("chk_pattes").checked = kit.pattes !== null;
  const p = kit.pattes ?? { dessus: false, largeur: 6, ecart: 15, distance: 80 };
  $("cmb_cote").value = p.dessus ? "dessus" : "dessous";
  $("txt_largeur_pattes").value = p.largeur;
  $("txt_ecart_pattes").value = p.ecart;
  $("txt_distance_pattes").value = p.distance;
  $("fautes_kit").textContent = "";
}

function lire() {
  const encoches = [...$("tab_encoches").tBodies[0].rows].map((r) =>
    [...r.querySelectorAll("input")].map((c) => c.value.trim()));
  const nombre = (id) => Number($(id).value === "" ? NaN : $(id).value);
  const pattes = $("chk_pattes").checked
    ? { dessus: $("cmb_cote").value === "dessus", largeur: nombre("txt_largeur_pattes"),
        ecart: nombre("txt_ecart_pattes"), distance: nombre("txt_distance_pattes") }
    : null;
  return { encoches, pattes };
}

// Opens the dialog on `kit`; `accepter(kit)` is called with what OK took.
export function installer_kit(donner_kit, accepter) {
  const dialogue = $("Frm_Kit");
  $("action_kit").addEventListener("click", () => {
    remplir(donner_kit());
    dialogue.showModal();
  });
  $("Bt_AjouterEncoche").addEventListener("click", () => ajouter_ligne("dos", "3", "2").querySelector("input").focus());
  $("Bt_SupprimerEncoche").addEventListener("click", () => {
    const lignes = $("tab_encoches").tBodies[0].rows;
    const choisie = document.activeElement?.closest("#tab_encoches tr");
    (choisie && choisie.parentElement.tagName === "TBODY" ? choisie : lignes[lignes.length - 1])?.remove();
  });
  $("formulaire_kit").addEventListener("submit", async (evenement) => {
    if (evenement.submitter?.value !== "ok") return;
    evenement.preventDefault();
    const kit = lire();
    const fautes = await demander("fautesKit", kit);
    if (fautes.length) {
      $("fautes_kit").textContent = fautes.join("\n");
      return;
    }
    dialogue.close();
    accepter(kit);
  });
}
