"""A CUPS scheduler of the suite's own, with one cups-pdf queue that is the
default destination, so that the program's prints become PDF files in a
scratch folder.

Everything the scheduler keeps lives below one folder: configuration, spool,
cache, state, logs and the PDFs. It listens only on a Unix socket there, and
clients (lpadmin, lpstat and the program's Qt) reach it through CUPS_SERVER.
cups-pdf reads its settings from a fixed place in /etc/cups. The scheduler
therefore runs in a mount namespace of its own in which the suite's
settings are bind-mounted over /etc/cups/cups-pdf.conf; where namespaces
cannot be made, the queue is named after a settings file that the suite
places in /etc/cups for its lifetime instead.

Needs root: the cups-pdf backend runs only as root."""

import os
import re
import shutil
import subprocess
import time
from pathlib import Path

from harness import die_with_parent

QUEUE = "VelmoPDF"
SYSTEM_SETTINGS = Path("/etc/cups/cups-pdf.conf")
BACKEND = Path("/usr/lib/cups/backend/cups-pdf")
START_TIMEOUT = 20


def unavailable_reason():
    """Why a private scheduler cannot be run here, or None if it can."""
    if os.geteuid() != 0:
        return "printing to a private CUPS needs root: the cups-pdf backend runs only as root"
    for tool in ("cupsd", "lpadmin", "lpstat", "lpinfo", "pdfinfo", "pdftoppm"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed (Debian packages cups, cups-client, poppler-utils)"
    if not BACKEND.exists():
        return f"{BACKEND} is missing (Debian package printer-driver-cups-pdf)"
    return None


def _namespaces_work(folder):
    """Whether a mount namespace with a bind mount can be made here."""
    if shutil.which("unshare") is None:
        return False
    probe = subprocess.run(["unshare", "--mount", "--", "mount", "--bind", str(folder), str(folder)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return probe.returncode == 0


class PrivateCups:
    def __init__(self, scratch):
        self.root = Path(scratch) / "cups"
        self.socket = self.root / "cups.sock"
        self.pdf_dir = self.root / "pdf"
        self._process = None
        self._log = None
        for name in ("etc", "spool", "spool/tmp", "cache", "state", "log", "pdf", "pdf-spool"):
            (self.root / name).mkdir(parents=True, exist_ok=True)
        self.root.chmod(0o755)
        self._use_namespace = _namespaces_work(self.root)
        if self._use_namespace:
            self._settings = self.root / "cups-pdf.conf"
            self._device = "cups-pdf:/"
        else:
            # cups-pdf reads /etc/cups/cups-pdf-<name>.conf for the device
            # cups-pdf:/<name>.
            name = f"velmo-e2e-{os.getpid()}"
            self._settings = SYSTEM_SETTINGS.parent / f"cups-pdf-{name}.conf"
            self._device = f"cups-pdf:/{name}"
        self._write_settings()

    @property
    def env(self):
        return {"CUPS_SERVER": str(self.socket)}

    def _write_settings(self):
        (self.root / "etc" / "cupsd.conf").write_text(f"""\
Listen {self.socket}
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
""")
        (self.root / "etc" / "cups-files.conf").write_text(f"""\
ServerRoot {self.root / 'etc'}
RequestRoot {self.root / 'spool'}
TempDir {self.root / 'spool' / 'tmp'}
CacheDir {self.root / 'cache'}
StateDir {self.root / 'state'}
AccessLog {self.root / 'log' / 'access_log'}
ErrorLog {self.root / 'log' / 'error_log'}
PageLog {self.root / 'log' / 'page_log'}
""")
        # Label 2 ends every file name with "-job_<id>", so that each job's
        # file can be told apart.
        self._settings.write_text(f"""\
Out {self.pdf_dir}
AnonDirName {self.pdf_dir}
Spool {self.root / 'pdf-spool'}
Log {self.root / 'log'}
Label 2
Grp root
""")

    def tool_env(self):
        return dict(os.environ, CUPS_SERVER=str(self.socket), LC_ALL="C.UTF-8")

    def _tool(self, *arguments, check=True):
        completed = subprocess.run(arguments, env=self.tool_env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                   timeout=60)
        if check and completed.returncode != 0:
            raise RuntimeError(f"{' '.join(arguments)} failed: {completed.stderr.decode(errors='replace')}\n"
                               f"{self.error_log()}")
        return completed.stdout.decode(errors="replace")

    @property
    def running(self):
        return self._process is not None and self._process.poll() is None

    def start(self):
        configuration = [str(self.root / "etc" / "cupsd.conf"), str(self.root / "etc" / "cups-files.conf")]
        if self._use_namespace:
            command = ["unshare", "--mount", "--", "sh", "-c",
                       'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"', "sh",
                       str(self._settings), str(SYSTEM_SETTINGS), *configuration]
        else:
            command = ["cupsd", "-f", "-c", configuration[0], "-s", configuration[1]]
        self._log = open(self.root / "log" / "cupsd.out", "ab")
        self._process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=self._log, stderr=self._log,
                                         preexec_fn=die_with_parent)
        deadline = time.monotonic() + START_TIMEOUT
        while time.monotonic() < deadline:
            if self._process.poll() is not None:
                break
            if self.socket.exists() and subprocess.run(["lpstat", "-r"], env=self.tool_env(),
                                                        stdout=subprocess.DEVNULL,
                                                        stderr=subprocess.DEVNULL).returncode == 0:
                return
            time.sleep(0.05)
        self.stop()
        raise RuntimeError(f"the private CUPS scheduler did not start\n{self.error_log()}")

    def stop(self):
        """Stops the scheduler by its own process id."""
        if self.running:
            self._process.terminate()
            try:
                self._process.wait(20)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process = None
        if self._log is not None:
            self._log.close()
            self._log = None

    def close(self):
        self.stop()
        if not self._use_namespace:
            self._settings.unlink(missing_ok=True)

    def add_queue(self):
        """Adds the cups-pdf queue and makes it the default destination."""
        models = self._tool("lpinfo", "-m")
        match = re.search(r"^(\S*CUPS-PDF_opt\.ppd)\s", models, re.MULTILINE)
        if match is None:
            raise RuntimeError("the cups-pdf printer description is not installed")
        self._tool("lpadmin", "-p", QUEUE, "-E", "-v", self._device, "-m", match.group(1))
        self._tool("lpadmin", "-d", QUEUE)

    def finished_jobs(self):
        """Ids of the jobs that have left the queue (done, cancelled or
        aborted)."""
        listing = self._tool("lpstat", "-W", "completed", "-o")
        return {int(number) for number in re.findall(rf"^{QUEUE}-(\d+)\s", listing, re.MULTILINE)}

    def all_jobs(self):
        listing = self._tool("lpstat", "-W", "all", "-o")
        return {int(number) for number in re.findall(rf"^{QUEUE}-(\d+)\s", listing, re.MULTILINE)}

    def pdf_of(self, job):
        """The file cups-pdf wrote for a job, or None."""
        files = list(self.pdf_dir.glob(f"*-job_{job}.pdf"))
        return files[0] if len(files) == 1 else None

    def error_log(self):
        path = self.root / "log" / "error_log"
        text = path.read_text(errors="replace") if path.exists() else ""
        return "\n".join(text.splitlines()[-20:])
