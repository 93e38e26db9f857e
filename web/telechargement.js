// Hands a file to the user: the browser's save-file picker where there is
// one (not under automation, whose tests read downloads), else a download.
const TYPES = {
  dat: ["Fichier .DAT", "text/plain", ".dat"],
  svg: ["Gabarit SVG", "image/svg+xml", ".svg"],
  dxf: ["Gabarit DXF", "application/dxf", ".dxf"],
  pdf: ["Gabarit PDF", "application/pdf", ".pdf"],
  toml: ["Fichier de fuselage", "application/toml", ".toml"],
  zip: ["Fichiers de la série", "application/zip", ".zip"],
};

// Resolves to false when the user cancels the picker.
export async function donner(nom, octets, format) {
  const [description, type, extension] = TYPES[format];
  if (window.showSaveFilePicker && !navigator.webdriver) {
    let poignee;
    try {
      poignee = await window.showSaveFilePicker({
        suggestedName: nom,
        types: [{ description, accept: { [type]: [extension] } }],
      });
    } catch (e) {
      if (e.name === "AbortError") return false;
      throw e;
    }
    const flux = await poignee.createWritable();
    await flux.write(octets);
    await flux.close();
    return true;
  }
  const lien = document.createElement("a");
  lien.href = URL.createObjectURL(new Blob([octets], { type }));
  lien.download = nom;
  lien.click();
  setTimeout(() => URL.revokeObjectURL(lien.href), 60000);
  return true;
}
