// A static server for the site folder on a free local port, as any static
// server would serve it; for the browser tests and the page's figures.
import { readFile } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";

const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
};

export async function servir(dossier) {
  const serveur = createServer(async (requete, reponse) => {
    const chemin = normalize(decodeURIComponent(new URL(requete.url, "http://x").pathname));
    try {
      const octets = await readFile(join(dossier, chemin.endsWith("/") ? `${chemin}index.html` : chemin));
      reponse.writeHead(200, { "Content-Type": TYPES[extname(chemin) || ".html"] ?? "application/octet-stream" });
      reponse.end(octets);
    } catch {
      reponse.writeHead(404).end();
    }
  });
  await new Promise((pret) => serveur.listen(0, "127.0.0.1", pret));
  return { origine: `http://127.0.0.1:${serveur.address().port}`, fermer: () => serveur.close() };
}
