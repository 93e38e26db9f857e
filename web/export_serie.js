// "Exporter…": the formats' boxes as the desktop shows them, then every file
// bilobe-serie writes for them in one .zip, made by the worker with its
// progress shown; "Annuler" stops it.
import { annuler, demander, demander_avec_progression } from "./noyau.js";
import { donner } from "./telechargement.js";

const $ = (id) => document.getElementById(id);

export async function installer_export(fichier_fuselage, nom_fichier) {
  const formats = await demander("formatsSerie");
  $("formats").append(
    ...formats.map((f) => {
      const etiquette = document.createElement("label");
      etiquette.className = "option";
      const boite = document.createElement("input");
      boite.type = "checkbox";
      boite.id = `chk_format_${f.nom}`;
      boite.value = f.nom;
      boite.checked = f.parDefaut;
      etiquette.append(boite, ` ${f.libelle}`);
      return etiquette;
    }));
  let en_cours = false;
  const dialogue = $("Frm_Export");
  $("Bt_Exporter").addEventListener("click", () => {
    $("message_export").textContent = "";
    $("avancement").hidden = true;
    dialogue.showModal();
  });
  $("Bt_Annuler_Export").addEventListener("click", () => {
    if (en_cours) annuler();
    else dialogue.close();
  });
  $("Bt_Lancer_Export").addEventListener("click", async () => {
    const choisis = [...$("formats").querySelectorAll("input:checked")].map((b) => b.value);
    if (!choisis.length) {
      $("message_export").textContent = "Cochez au moins un format.";
      return;
    }
    const fichier = await fichier_fuselage();
    if (fichier.erreur !== undefined) {
      $("message_export").textContent = fichier.erreur;
      return;
    }
    en_cours = true;
    $("Bt_Lancer_Export").disabled = true;
    $("avancement").hidden = false;
    $("avancement").value = 0;
    $("message_export").textContent = "Export en cours…";
    // The zip's entries carry this computer's wall-clock time.
    const maintenant = new Date();
    const secondes = Math.floor(maintenant.getTime() / 1000) - maintenant.getTimezoneOffset() * 60;
    const r = await demander_avec_progression("exporterSerie", (fait, total) => {
      $("avancement").max = total;
      $("avancement").value = fait;
    }, fichier.texte, nom_fichier(), choisis.join(","), secondes, "");
    en_cours = false;
    $("Bt_Lancer_Export").disabled = false;
    if (r.annule) {
      $("message_export").textContent = "Export annulé : rien n'a été écrit.";
    } else if (r.erreur !== undefined) {
      $("message_export").textContent = r.erreur;
    } else if (await donner(r.nom, r.octets, "zip")) {
      $("message_export").textContent = `${r.nom} : ${r.resume.split("\n")[0]}`;
    }
  });
}
