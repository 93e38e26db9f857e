"""What other programs say of a PDF: qpdf's check and Ghostscript's
rendering, each of which must find nothing to say."""
import subprocess


def fautes_pdf(chemin):
    """The remarks of qpdf --check and Ghostscript on the file; none for a sound PDF."""
    fautes = []
    qpdf = subprocess.run(["qpdf", "--check", chemin], capture_output=True, text=True, check=False)
    if qpdf.returncode != 0 or "No syntax or stream encoding errors" not in qpdf.stdout:
        fautes.append("qpdf --check : " + (qpdf.stdout + qpdf.stderr).strip())
    gs = subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage", chemin],
                        capture_output=True, text=True, check=False)
    if gs.returncode != 0 or gs.stdout.strip() or gs.stderr.strip():
        fautes.append("Ghostscript : " + (gs.stdout + gs.stderr).strip())
    return fautes
