// The stations table: one row a station, its cells texts as typed, read by
// the core. Paste from a spreadsheet (tabs or ";", decimal commas), copy the
// table back, add, insert, remove and sort as the series window does.
import { demander } from "./noyau.js";

const $ = (id) => document.getElementById(id);
const COLONNES = [...document.querySelectorAll("#tab_stations thead th")].map((th) => th.textContent);
const PAS_NOUVELLE_STATION = 100; // mm behind the last one

export class TableStations {
  // `lignes()` gives the rows to show, `changer(lignes, cellule)` takes the
  // table's new rows: typed in that cell, or (null) added, pasted, sorted…
  constructor(lignes, changer) {
    this.lignes = lignes;
    this.changer = changer;
    this.rang = -1; // the row of the cell last in focus
    this.corps = $("tab_stations").tBodies[0];
    this.corps.addEventListener("focusin", (e) => (this.rang = e.target.closest("tr")?.sectionRowIndex ?? -1));
    this.corps.addEventListener("input", (e) => {
      const l = structuredClone(this.lignes());
      l[e.target.closest("tr").sectionRowIndex][e.target.parentElement.cellIndex] = e.target.value;
      this.changer(l, e.target);
    });
    this.corps.addEventListener("paste", (e) => this.coller(e));
    this.corps.addEventListener("copy", (e) => this.copier(e));
    $("Bt_Ajouter").addEventListener("click", () => this.ajouter());
    $("Bt_Supprimer").addEventListener("click", () => this.supprimer());
    $("Bt_Trier").addEventListener("click", () => this.trier());
  }

  // The rows again, with the faulty cells red and saying why.
  montrer(defauts = []) {
    const lignes = this.lignes();
    while (this.corps.rows.length > lignes.length) this.corps.deleteRow(-1);
    lignes.forEach((ligne, r) => {
      const tr = this.corps.rows[r] ?? this.corps.insertRow();
      ligne.forEach((texte, c) => {
        let champ = tr.cells[c]?.firstElementChild;
        if (!champ) {
          champ = document.createElement("input");
          tr.insertCell().append(champ);
        }
        champ.setAttribute("aria-label", `Station ${r + 1}, ${COLONNES[c]}`);
        if (champ.value !== texte) champ.value = texte;
        champ.classList.remove("faux");
        champ.removeAttribute("aria-invalid");
        champ.title = "";
      });
    });
    for (const d of defauts) {
      const champ = this.corps.rows[d.ligne]?.cells[d.colonne]?.firstElementChild;
      if (!champ) continue;
      champ.classList.add("faux");
      champ.setAttribute("aria-invalid", "true");
      champ.title = d.message;
    }
  }

  // Several cells pasted fill the table from the cell in focus, adding rows.
  async coller(e) {
    const texte = e.clipboardData.getData("text/plain");
    if (!/[\t;\n]/.test(texte.trimEnd())) return; // one value: the cell's own paste
    e.preventDefault();
    const collees = await demander("cellulesCollees", texte);
    const r0 = e.target.closest("tr").sectionRowIndex;
    const c0 = e.target.parentElement.cellIndex;
    const l = structuredClone(this.lignes());
    collees.forEach((cellules, i) => {
      while (l.length <= r0 + i) l.push(Array(COLONNES.length).fill(""));
      cellules.forEach((t, j) => {
        if (c0 + j < COLONNES.length) l[r0 + i][c0 + j] = t;
      });
    });
    this.changer(l, null);
  }

  // Nothing selected in a cell: the whole table, as a spreadsheet takes it.
  copier(e) {
    const champ = e.target;
    if (champ.selectionStart !== champ.selectionEnd) return;
    e.preventDefault();
    e.clipboardData.setData("text/plain", this.lignes().map((l) => l.join("\t")).join("\n") + "\n");
  }

  async ajouter() {
    const l = structuredClone(this.lignes());
    if (!l.length) return;
    const nouvelle = [...l.at(-1)];
    const position = await demander("nombreLu", nouvelle[0]);
    nouvelle[0] = position === null ? "" : await demander("texteNombre", position + PAS_NOUVELLE_STATION);
    l.push(nouvelle);
    this.changer(l, null);
  }

  supprimer() {
    const l = structuredClone(this.lignes());
    l.splice(this.rang >= 0 && this.rang < l.length ? this.rang : l.length - 1, 1);
    this.rang = -1;
    this.changer(l, null);
  }

  // By position; a row whose position does not read goes to the end.
  async trier() {
    const l = this.lignes();
    const cles = await Promise.all(l.map((ligne) => demander("nombreLu", ligne[0])));
    const ordre = l.map((ligne, k) => ({ ligne, cle: cles[k], k }));
    ordre.sort((a, b) => (a.cle === null) - (b.cle === null) || (a.cle ?? 0) - (b.cle ?? 0) || a.k - b.k);
    this.changer(ordre.map((o) => [...o.ligne]), null);
  }
}
