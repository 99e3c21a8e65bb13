"""ecf-emulator as a child process: the printer on a pseudo-terminal with its page.

    printer = PrinterProcess(build_bin, state_file, err_file, ["--clock", "06/12/2026 09:00:00"])
    printer.tty    # "/dev/pts/N", for MDX_SERIAL_TRANSPORT=tty:...
    printer.page   # "http://127.0.0.1:PORT/"
    printer.stop() # SIGTERM; the exit status

The page asks for any free port (--view 0); the emulator names the
pseudo-terminal and the page's address on its standard output, one line each.
"""

import os
import selectors
import signal
import subprocess
import time

_PREFIX = "ecf-emulator: "


class PrinterError(Exception):
    pass


class PrinterProcess:
    def __init__(self, bin_folder, state_file, err_file, extra_args=(), start_timeout=60):
        self._err_file = err_file
        self._err = open(err_file, "wb")
        command = [os.path.join(bin_folder, "ecf-emulator"), "--pty", "--view", "0", "--state", state_file]
        command += list(extra_args)
        self._process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                         stderr=self._err)
        try:
            lines = self._read_lines(2, start_timeout)
            self.tty = self._value(lines[0], "/dev/")
            self.page = self._value(lines[1], "page http://")[len("page "):]
        except BaseException:
            self.stop()
            raise

    def _read_lines(self, count, timeout):
        """The first `count` lines of the standard output, waited for up to `timeout` s."""
        lines, pending = [], b""
        deadline = time.monotonic() + timeout
        with selectors.DefaultSelector() as selector:
            selector.register(self._process.stdout, selectors.EVENT_READ)
            while len(lines) < count:
                left = deadline - time.monotonic()
                if left <= 0:
                    raise PrinterError("ecf-emulator gave %d of its %d start lines in %d s: %r\n%s" %
                                       (len(lines), count, timeout, lines, self.errors()))
                if not selector.select(left):
                    continue
                chunk = os.read(self._process.stdout.fileno(), 4096)
                if not chunk:
                    raise PrinterError("ecf-emulator ended before its start lines (%r)\n%s" %
                                       (lines, self.errors()))
                pending += chunk
                while b"\n" in pending and len(lines) < count:
                    line, pending = pending.split(b"\n", 1)
                    lines.append(line.decode("utf-8", "replace").rstrip("\r"))
        return lines

    def _value(self, line, expected_start):
        if not line.startswith(_PREFIX + expected_start):
            raise PrinterError("expected a line starting %r from ecf-emulator, got %r\n%s" %
                               (_PREFIX + expected_start, line, self.errors()))
        return line[len(_PREFIX):]

    def errors(self):
        """What the emulator wrote on its standard error so far."""
        if not self._err.closed:
            self._err.flush()
        with open(self._err_file, encoding="utf-8", errors="replace") as file:
            return file.read()

    def stop(self, grace=20):
        """Ends the emulator with SIGTERM (SIGKILL after `grace` s); its exit status."""
        if self._process.poll() is None:
            self._process.send_signal(signal.SIGTERM)
            try:
                self._process.wait(grace)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process.stdout.close()
        self._err.close()
        return self._process.returncode
