"""A private CUPS scheduler below a scratch folder with two cups-pdf queues.
cups-pdf reads /etc/cups, so the scheduler runs in its own mount namespace
with the suite's settings mounted over that file. Needs root."""

import os
import re
import shutil
import subprocess
from pathlib import Path

from harness import die_with_parent, poll

# Both write PDF files; the first is the default.
QUEUES = ("VelmoPDF", "VelmoPDF2")


def unavailable_reason():
    """Why a private scheduler cannot be run here, or None if it can."""
    if os.geteuid() != 0:
        return "printing to a private CUPS needs root: the cups-pdf backend runs only as root"
    for tool in ("cupsd", "lpadmin", "lpstat", "lpinfo", "pdfinfo", "pdfimages", "pdftoppm", "unshare"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed (Debian packages cups, cups-client, poppler-utils, util-linux)"
    if not Path("/usr/lib/cups/backend/cups-pdf").exists():
        return "the cups-pdf backend is missing (Debian package printer-driver-cups-pdf)"
    return None


class PrivateCups:
    def __init__(self, scratch):
        self.root = Path(scratch) / "cups"
        self.socket = self.root / "cups.sock"
        self.pdf_dir = self.root / "pdf"
        self.env = {"CUPS_SERVER": str(self.socket)}
        self._process = None
        for name in ("etc", "spool/tmp", "cache", "state", "log", "pdf", "pdf-spool"):
            (self.root / name).mkdir(parents=True)
        self.root.chmod(0o755)
        (self.root / "etc/cupsd.conf").write_text(
            f"Listen {self.socket}\nLogLevel warn\nWebInterface No\nBrowsing No\nBrowseLocalProtocols none\n"
            "DefaultAuthType None\nPreserveJobHistory Yes\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n")
        log = self.root / "log"
        (self.root / "etc/cups-files.conf").write_text(
            f"ServerRoot {self.root / 'etc'}\nRequestRoot {self.root / 'spool'}\nTempDir {self.root / 'spool/tmp'}\n"
            f"CacheDir {self.root / 'cache'}\nStateDir {self.root / 'state'}\nAccessLog {log / 'access_log'}\n"
            f"ErrorLog {log / 'error_log'}\nPageLog {log / 'page_log'}\n")
        # Label 2 ends every file name with "-job_<id>".
        (self.root / "cups-pdf.conf").write_text(
            f"Out {self.pdf_dir}\nAnonDirName {self.pdf_dir}\nSpool {self.root / 'pdf-spool'}\nLog {log}\n"
            "Label 2\nGrp root\n")

    def _tool(self, *arguments, check=True):
        completed = subprocess.run(arguments, env=dict(os.environ, LC_ALL="C.UTF-8", **self.env),
                                   capture_output=True, timeout=60)
        if check and completed.returncode != 0:
            raise RuntimeError(f"{' '.join(arguments)} failed: {completed.stderr.decode(errors='replace')}\n"
                               f"{self.error_log()}")
        return completed

    @property
    def running(self):
        return self._process is not None and self._process.poll() is None

    def start(self):
        with open(self.root / "log/cupsd.out", "ab") as log:
            self._process = subprocess.Popen(
                ["unshare", "--mount", "--", "sh", "-c", 'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"',
                 "sh", self.root / "cups-pdf.conf", "/etc/cups/cups-pdf.conf", self.root / "etc/cupsd.conf",
                 self.root / "etc/cups-files.conf"], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                preexec_fn=die_with_parent)
        ready = poll(lambda: not self.running
                     or (self.socket.exists() and self._tool("lpstat", "-r", check=False).returncode == 0), 20)
        if not (ready and self.running):
            self.stop()
            raise RuntimeError(f"the private CUPS scheduler did not start\n{self.error_log()}")

    def stop(self):
        if self.running:
            self._process.terminate()
            try:
                self._process.wait(20)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()

    def add_queues(self):
        model = re.search(r"^(\S*CUPS-PDF_opt\.ppd)\s", self._tool("lpinfo", "-m").stdout.decode(), re.M)
        if model is None:
            raise RuntimeError("the cups-pdf printer description is not installed")
        for queue in QUEUES:
            self._tool("lpadmin", "-p", queue, "-E", "-v", "cups-pdf:/", "-m", model.group(1))
        self._tool("lpadmin", "-d", QUEUES[0])

    def jobs(self, which="all"):
        """Job ids: "all", or "completed" for those that left the queue."""
        listing = self._tool("lpstat", "-W", which, "-o").stdout.decode()
        return {int(number) for number in re.findall(rf"^(?:{'|'.join(QUEUES)})-(\d+)\s", listing, re.M)}

    def accounting(self, job):
        """(queue, sheets) of a finished job from the page log, where the
        sheets count every copy; None until the log has it."""
        path = self.root / "log/page_log"
        found = re.search(rf"^(\S+) \S+ {job} \[[^]]*\] total (\d+) ", path.read_text() if path.exists() else "", re.M)
        return (found.group(1), int(found.group(2))) if found else None

    def pdf_of(self, job):
        files = list(self.pdf_dir.glob(f"*-job_{job}.pdf"))
        return files[0] if len(files) == 1 else None

    def error_log(self):
        path = self.root / "log/error_log"
        return "\n".join(path.read_text(errors="replace").splitlines()[-20:]) if path.exists() else ""
