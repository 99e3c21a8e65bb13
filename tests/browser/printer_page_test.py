#!/usr/bin/env python3
"""The virtual printer's page in a real browser, while tills print through it.

    python3 tests/browser/printer_page_test.py [BUILD_FOLDER]   # default build/debug

ecf-emulator runs on a pseudo-terminal with its page on a free loopback port
and headless Chromium (through chromedriver) shows the page. A console sale
goes through the line and must appear on the page's tape; then a till, driven
call by call through the Python binding, sells an item, the paper is taken out
with the page's button, the next item fails with the package's paper message,
the paper is put back with the page's button and the sale finishes; last, a
status typed on the page refuses the till's next command.

A screenshot of the page is saved as build/artifacts/printer-page.png
(printer-page-failed.png when a check failed). Exit status 0 only when every
check passed. Linux only: the serial line is a pseudo-terminal.
"""

import contextlib
import json
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, "bindings", "python"))

from printer_process import PrinterError, PrinterProcess  # noqa: E402
from webdriver import Browser, WebDriverError  # noqa: E402

CLOCK = "06/12/2026 09:00:00"
# What the package says when the printer refuses a command for want of paper.
PAPER_TEXT = "Impressora com pouco papel ou sem papel."
# The page polls every half second; the machine may be loaded.
WAIT_SECONDS = 60

# The page as the tests read it, in one round trip so that a redraw between
# two reads cannot mix two snapshots.
VIEW_SCRIPT = """
var fields = {};
document.querySelectorAll('#state [data-field]').forEach(function (e) {
  fields[e.getAttribute('data-field')] = e.textContent.trim();
});
var documents = Array.from(document.querySelectorAll('#tape div.document')).map(function (d) {
  return {open: d.classList.contains('open'),
          lines: Array.from(d.querySelectorAll('div.line')).map(function (l) { return l.textContent; })};
});
var message = document.querySelector('#message');
var frames = document.querySelector('#frames');
return {state: fields, documents: documents, message: message ? message.textContent.trim() : null,
        frames: frames ? frames.innerText : null};
"""


class CheckFailed(Exception):
    pass


def show(view):
    """The parts of a page view a failure message needs."""
    documents = view["documents"]
    last = documents[-1] if documents else None
    return "state %s; %d document(s) on the tape%s; message %r" % (
        json.dumps(view["state"], ensure_ascii=False), len(documents),
        "" if last is None else ", the last %s:\n    %s" % (
            "open" if last["open"] else "closed", "\n    ".join(last["lines"])),
        view["message"])


class Page:
    """The printer's page in the browser, read and steered as a tester would."""

    def __init__(self, browser, url):
        self.browser = browser
        browser.open(url)

    def view(self):
        return self.browser.run_script(VIEW_SCRIPT)

    def wait_for(self, expected, holds):
        """Polls the page until holds(view) is true; the view. Fails with `expected`."""
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            view = self.view()
            if holds(view):
                return view
            if time.monotonic() > deadline:
                raise CheckFailed("expected %s within %d s; the page showed %s" % (expected, WAIT_SECONDS, show(view)))
            time.sleep(0.2)

    def press(self, button):
        self.browser.click(button)

    def type(self, field, text):
        self.browser.type_text(field, text)

    def wait_for_paper(self, level):
        return self.wait_for("paper %r" % level, lambda view: view["state"].get("paper") == level)


def check(holds, expected, shown):
    if not holds:
        raise CheckFailed("expected %s; got %s" % (expected, shown))


def all_lines(view):
    return [line for document in view["documents"] for line in document["lines"]]


def same_number(a, b):
    return a is not None and b is not None and a.strip().isdigit() and b.strip().isdigit() and int(a) == int(b)


# The console's sale --------------------------------------------------------

def sale_script(folder):
    """The bundled till day cut after its first coupon's closing; the file and the items' names."""
    with open(os.path.join(ROOT, "demo", "till-day.json"), encoding="utf-8") as file:
        day = json.load(file)
    kept = []
    for call in day["calls"]:
        kept.append(call)
        if call.get("op") == "FechaCupom":
            break
    day["calls"] = kept
    path = os.path.join(folder, "sale.json")
    with open(path, "w", encoding="utf-8") as file:
        json.dump(day, file, indent=1)
    items = [call["args"][0]["NMPROD"] for call in kept if call.get("op") == "VendaItem"]
    return path, items


def run_console(bin_folder, folder, script, printer, state_file):
    """Runs the console on `script` against the printer; its output."""
    environment = dict(os.environ, MDX_SERIAL_TRANSPORT="tty:" + printer.tty, MDX_PRINTER_STATE=state_file,
                       MDX_PRINTER_CONFIG="")
    run = subprocess.run([os.path.join(bin_folder, "mdxconsole"), "--work", os.path.join(folder, "console"), script],
                         env=environment, stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
    out = run.stdout.decode("utf-8", "replace")
    check(run.returncode == 0, "the console's sale to end with status 0",
          "status %d\n%s\n%s" % (run.returncode, out[-3000:], run.stderr.decode("utf-8", "replace")[-3000:]))
    return out


def console_tape(out):
    """The tape the console printed for its run, line by line."""
    match = re.search(r"^---- paper tape ----\n(.*?)^---- end of tape ----$", out, re.S | re.M)
    check(match is not None, "the console to print the run's paper tape", out[-3000:])
    return match.group(1).splitlines()


def console_sale(page, bin_folder, folder, printer, state_file):
    script, items = sale_script(folder)
    out = run_console(bin_folder, folder, script, printer, state_file)
    coupon = re.search(r'"CUPNR": "(\d+)"', out)
    check(coupon is not None, "the console to report its coupon's number (CUPNR)", out[-3000:])
    coupon = coupon.group(1)
    tape = [line.rstrip() for line in console_tape(out)]

    # The page draws the same paper the console saw, line for line.
    view = page.wait_for("the console's coupon %s on the tape, closed" % coupon,
                         lambda v: same_number(v["state"].get("coo"), coupon) and v["documents"] and
                         not v["documents"][-1]["open"] and all(item in "\n".join(all_lines(v)) for item in items))
    last = view["documents"][-1]["lines"]
    check(any("CUPOM FISCAL" in line for line in last), "\"CUPOM FISCAL\" in the coupon's lines", show(view))
    for item in items:
        check(any(item in line for line in last), "the item %r in the coupon's lines" % item, show(view))
    check([line.rstrip() for line in all_lines(view)] == tape, "the page's tape to be the console's tape:\n    " +
          "\n    ".join(tape), show(view))
    print("ok: the console's sale (coupon %s, %s) is on the page's tape" % (coupon, ", ".join(items)))


# The till through the Python binding ---------------------------------------

def day_arguments(name):
    with open(os.path.join(ROOT, "examples", "hosts", "day", name + ".json"), encoding="utf-8") as file:
        return json.load(file)


def item_name(arguments):
    return arguments[0]["NMPROD"]


def call_ok(package, name, arguments):
    result = package.call(name, *arguments)
    check(result.value is True, "%s to succeed" % name, "%r" % (result,))
    return result


def till_sale(page, package, dialogs):
    session = day_arguments("session")
    # A self-service till: the package hands the operator's message back in
    # the call's result instead of a dialog.
    session[0]["BOUTILTAA"] = True
    call_ok(package, "StartImpFiscal", session)
    check(package.global_value("boImpFiscalOK") is True, "the session to start", "boImpFiscalOK false")
    package.call("CarregaAliquota", *day_arguments("tax_rates"))
    coupon = call_ok(package, "AbreCupom", day_arguments("coupon")).args[0]["CUPNR"]
    first, second = day_arguments("item1"), day_arguments("item2")
    call_ok(package, "VendaItem", first)

    def open_coupon_with(v, name):
        documents = v["documents"]
        return bool(documents) and documents[-1]["open"] and any(name in line for line in documents[-1]["lines"])

    page.wait_for("the till's coupon open on the tape with %r" % item_name(first),
                  lambda v: open_coupon_with(v, item_name(first)))
    print("ok: the till's open coupon %s is highlighted on the tape" % coupon)

    page.press("#paper-out")
    page.wait_for_paper("out")
    refused = package.call("VendaItem", *second)
    check(refused.value is False and refused.error is not None and PAPER_TEXT in refused.error[1],
          "the item without paper to fail with %r" % PAPER_TEXT, "%r" % (refused,))
    # The package gives that text for any refusal: the printer's reply tells
    # that this one was for want of paper.
    reply = package.global_value("SwedaRet")
    check(reply.startswith(".-P005"), "the printer's reply .-P005 (no paper)", repr(reply))
    check(not dialogs, "no dialog on a self-service till", "%r" % dialogs)
    view = page.wait_for("the refusal -P005 in the frames table", lambda v: "-P005" in (v["frames"] or ""))
    check(open_coupon_with(view, item_name(first)) and
          not any(item_name(second) in line for line in view["documents"][-1]["lines"]),
          "the coupon still open, without the refused item", show(view))
    print("ok: paper out from the page; the next item failed with the package's paper message")

    page.press("#paper-back")
    page.wait_for_paper("ok")
    call_ok(package, "VendaItem", second)
    closed = call_ok(package, "FechaCupom", day_arguments("closing"))
    view = page.wait_for("the till's coupon %s closed on the tape with %r" % (coupon, item_name(second)),
                         lambda v: v["documents"] and not any(d["open"] for d in v["documents"]) and
                         any(item_name(second) in line for line in v["documents"][-1]["lines"]) and
                         same_number(v["state"].get("coo"), coupon))
    check(view["state"].get("document") == "none", "no document open in the printer's state", show(view))
    check(any("CUPOM FISCAL" in line for line in view["documents"][-1]["lines"]),
          "\"CUPOM FISCAL\" in the closed coupon", show(view))
    print("ok: paper back from the page; the sale finished (coupon %s, closing %r)" % (coupon, closed.args[2]))


def till_refused(page, package):
    """A status typed on the page refuses the till's next command."""
    status = "E031"  # not the field's initial text, so the typing is what counts
    page.type("#refuse-status", status)
    page.press("#refuse")
    page.wait_for("the page to confirm the rule for %s" % status, lambda v: status in (v["message"] or ""))
    refused = package.call("AbreCupom", *day_arguments("coupon"))
    reply = package.global_value("SwedaRet")
    check(refused.value is False and reply.startswith(".-" + status),
          "the next coupon refused with .-%s" % status, "%r, reply %r" % (refused, reply))
    view = page.wait_for("the refusal -%s in the frames table" % status,
                         lambda v: "-" + status in (v["frames"] or ""))
    check(not any(d["open"] for d in view["documents"]), "no document opened by the refused command", show(view))
    print("ok: a status typed on the page refused the till's next command")


def run(bin_folder, folder, artifacts):
    state_file = os.path.join(folder, "printer.state")
    with contextlib.ExitStack() as cleanup:
        printer = PrinterProcess(bin_folder, state_file, os.path.join(folder, "emulator.err"), ["--clock", CLOCK])
        cleanup.callback(printer.stop)
        print("ok: ecf-emulator on %s, its page at %s" % (printer.tty, printer.page))
        browser = cleanup.enter_context(Browser(folder))
        page = Page(browser, printer.page)
        page.wait_for("the printer's state on the page", lambda v: v["state"].get("day") in ("open", "closed"))
        picture = os.path.join(artifacts, "printer-page-failed.png")
        try:
            console_sale(page, bin_folder, folder, printer, state_file)

            # The till runs in this process: the package reads its settings
            # when it opens the port.
            os.environ.update(MDX_SERIAL_TRANSPORT="tty:" + printer.tty, MDX_PRINTER_STATE=state_file,
                              MDX_PRINTER_CONFIG="")
            import mdx00200
            package = mdx00200.Package(os.path.join(bin_folder, "libmdx00200.so"))
            till = os.path.join(folder, "till")
            os.makedirs(till)
            package.set_host_folder(till)
            package.set_delay(lambda units: None)
            dialogs = []
            package.set_dialog(lambda text, kind: dialogs.append(text) or False)
            try:
                till_sale(page, package, dialogs)
                till_refused(page, package)
            finally:
                package.call("FechaPorta")
            picture = os.path.join(artifacts, "printer-page.png")
        finally:
            try:
                browser.screenshot(picture)
                print("screenshot: %s" % os.path.relpath(picture, ROOT))
            except WebDriverError as error:
                print("no screenshot: %s" % error)
        status = printer.stop()
        check(status == 0, "ecf-emulator to end with status 0 at SIGTERM", "status %s\n%s" % (status, printer.errors()))


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                            os.environ.get("MDX_BUILD_DIR", os.path.join(ROOT, "build", "debug")))
    bin_folder = os.path.join(build, "bin")
    artifacts = os.path.join(ROOT, "build", "artifacts")
    os.makedirs(artifacts, exist_ok=True)
    for name in ("printer-page.png", "printer-page-failed.png"):  # an earlier run's
        with contextlib.suppress(FileNotFoundError):
            os.remove(os.path.join(artifacts, name))
    with tempfile.TemporaryDirectory(prefix="mdx_page_") as folder:
        try:
            run(bin_folder, folder, artifacts)
        except (CheckFailed, PrinterError, WebDriverError) as failure:
            print("FAILED: %s" % failure)
            return 1
    print("printer page test: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
