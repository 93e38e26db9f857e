// "Encoches et pattes": the notches' table and the tabs. OK takes them only
// when the core reads every row; Annuler puts back what was there. One
// dialog for both pages: a former's tabs stand at a distance from its level
// line, a series' at a guard under its largest former.
import { demander } from "./noyau.js";

const $ = (id) => document.getElementById(id);

// Fixed markup, no text from anywhere else.
const MODELE = `<form method="dialog" id="formulaire_kit">
  <h2 id="titre_kit">Encoches et pattes</h2>
  <fieldset>
    <legend>Encoches (lisses, longerons, quille)</legend>
    <table id="tab_encoches">
      <thead><tr><th scope="col">Place</th><th scope="col">Largeur (mm)</th><th scope="col">Profondeur (mm)</th></tr></thead>
      <tbody></tbody>
    </table>
    <button type="button" id="Bt_AjouterEncoche">Ajouter une encoche</button>
    <button type="button" id="Bt_SupprimerEncoche">Supprimer l'encoche</button>
  </fieldset>
  <fieldset id="cadre_pattes">
    <legend><label><input type="checkbox" id="chk_pattes"> Pattes de montage</label></legend>
    <div class="ligne"><label for="cmb_cote">Côté du chantier :</label>
      <select id="cmb_cote"><option value="dessous">dessous</option><option value="dessus">dessus</option></select></div>
    <div class="ligne"><label for="txt_largeur_pattes">Largeur :</label><input id="txt_largeur_pattes" type="number" min="0" step="0.01"></div>
    <div class="ligne"><label for="txt_ecart_pattes">Écart (axe - centre) :</label><input id="txt_ecart_pattes" type="number" min="0" step="0.01"></div>
    <div class="ligne"><label for="txt_distance_pattes" id="lbl_distance_pattes"></label><input id="txt_distance_pattes" type="number" min="0" step="0.01"></div>
  </fieldset>
  <div id="fautes_kit" role="alert"></div>
  <div class="boutons">
    <button type="submit" value="ok" id="Bt_KitOk">OK</button>
    <button type="submit" value="annuler" id="Bt_KitAnnuler" formnovalidate>Annuler</button>
  </div>
</form>`;

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

function remplir(kit, distance) {
  $("tab_encoches").tBodies[0].replaceChildren();
  for (const e of kit.encoches) ajouter_ligne(...e);
  $("chk_pattes").checked = kit.pattes !== null;
  const p = kit.pattes ?? { dessus: false, largeur: 6, ecart: 15, distance };
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

// The button `action_kit` opens the dialog on `donner_kit()`; `accepter(kit)`
// is called with what OK took. `garde`: the tabs of a series.
export function installer_kit(donner_kit, accepter, garde = false) {
  const dialogue = document.createElement("dialog");
  dialogue.id = "Frm_Kit";
  dialogue.setAttribute("aria-labelledby", "titre_kit");
  dialogue.innerHTML = MODELE;
  document.body.append(dialogue);
  $("lbl_distance_pattes").textContent = garde ? "Garde sous le plus grand :" : "Distance au niveau :";
  $("action_kit").addEventListener("click", () => {
    remplir(donner_kit(), garde ? 5 : 80);
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
    const fautes = await demander("fautesKit", kit, garde ? "garde" : "distance");
    if (fautes.length) {
      $("fautes_kit").textContent = fautes.join("\n");
      return;
    }
    dialogue.close();
    accepter(kit);
  });
}
