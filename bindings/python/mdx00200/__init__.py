"""The fiscal-printer driver package through its C interface, with ctypes.

    import mdx00200
    package = mdx00200.Package("/opt/mdx00200/lib/libmdx00200.so")
    package.set_host_folder("/var/till")
    result = package.call("AbreCupom", {"ESQUEMACOR": "001", ...})
    result.value      # the operation's own result (True, a text, ...)
    result.args       # what each in/out argument holds after the call

Arguments are Python values in the JSON forms of docs/operations.md: dicts
for parameter records, lists for positional lists and string lists,
{"fields": [...], "rows": [...]} for datasets. A call that cannot run (bad
JSON, unknown operation, a wrong or missing argument) or in which the
operation raised an error raises PackageError with the package's code and
message; a call whose operation returned False gives its result, and
result.error tells what the operator would have read.
"""

import ctypes
import ctypes.util
import json
import os
import sys

__all__ = ["Package", "PackageError", "CallResult", "OK", "ERROR_JSON", "ERROR_UNKNOWN_NAME",
           "ERROR_ARGUMENT", "ERROR_RAISED", "ERROR_REFUSED", "ERROR_NO_SESSION", "ERROR_INTERNAL"]

# The codes of mdx00200_c.h.
OK = 0
ERROR_JSON = 1
ERROR_UNKNOWN_NAME = 2
ERROR_ARGUMENT = 3
ERROR_RAISED = 4
ERROR_REFUSED = 5
ERROR_NO_SESSION = 6
ERROR_INTERNAL = 7


class PackageError(Exception):
    """A call that did not give a result: code and message of the last error."""

    def __init__(self, code, message):
        super().__init__("%s (code %d)" % (message, code))
        self.code = code
        self.message = message


class CallResult:
    """What one operation gave back."""

    def __init__(self, value, args, error_code, error_message):
        self.value = value
        self.args = args
        # (code, message) when the operation returned False, else None.
        self.error = (error_code, error_message) if error_code != OK else None

    def __repr__(self):
        return "CallResult(value=%r, error=%r)" % (self.value, self.error)


def _default_library():
    if sys.platform == "win32":
        return "Mdx00200.dll"
    return "libmdx00200.so"


class Package:
    """The loaded package. One call at a time, from one thread."""

    def __init__(self, path=None):
        path = path or os.environ.get("MDX_PACKAGE") or _default_library()
        loader = ctypes.WinDLL if sys.platform == "win32" else ctypes.CDLL  # __stdcall on Win32
        self._lib = loader(path)
        functype = ctypes.WINFUNCTYPE if sys.platform == "win32" else ctypes.CFUNCTYPE
        lib = self._lib
        for name, restype, argtypes in (
            ("mdx_version", ctypes.c_int, []),
            ("mdx_last_error_code", ctypes.c_int, []),
            ("mdx_last_error_message", ctypes.c_char_p, []),
            ("mdx_set_encoding", ctypes.c_int, [ctypes.c_int]),
            ("mdx_call", ctypes.c_char_p, [ctypes.c_char_p, ctypes.c_char_p]),
            ("mdx_operations", ctypes.c_char_p, []),
            ("mdx_get_global", ctypes.c_char_p, [ctypes.c_char_p]),
            ("mdx_set_host_folder", ctypes.c_int, [ctypes.c_char_p]),
        ):
            function = getattr(lib, name)
            function.restype = restype
            function.argtypes = argtypes
        self._dialog_type = functype(ctypes.c_int, ctypes.c_void_p, ctypes.c_char_p, ctypes.c_char_p,
                                     ctypes.c_int, ctypes.c_char_p)
        self._delay_type = functype(None, ctypes.c_void_p, ctypes.c_int)
        self._callbacks = {}  # kept alive while installed

    def _error(self):
        return PackageError(self._lib.mdx_last_error_code(),
                            self._lib.mdx_last_error_message().decode("utf-8", "replace"))

    def call(self, name, *args):
        """Runs the operation `name` with `args`; see the module's help."""
        text = self._lib.mdx_call(name.encode("utf-8"), json.dumps(list(args)).encode("utf-8"))
        if text is None:
            raise self._error()
        result = json.loads(text.decode("utf-8"))
        return CallResult(result["result"], result["args"], self._lib.mdx_last_error_code(),
                          self._lib.mdx_last_error_message().decode("utf-8", "replace"))

    def call_json(self, name, arguments_json):
        """Runs the operation with its arguments already as JSON text."""
        text = self._lib.mdx_call(name.encode("utf-8"), arguments_json.encode("utf-8"))
        if text is None:
            raise self._error()
        result = json.loads(text.decode("utf-8"))
        return CallResult(result["result"], result["args"], self._lib.mdx_last_error_code(),
                          self._lib.mdx_last_error_message().decode("utf-8", "replace"))

    def operations(self):
        """Every operation: dicts with "name", "arguments" and "parameters"."""
        return json.loads(self._lib.mdx_operations().decode("utf-8"))

    def global_value(self, name):
        """An exported global (SwedaRet, boImpFiscalOK, ...)."""
        text = self._lib.mdx_get_global(name.encode("utf-8"))
        if text is None:
            raise self._error()
        return json.loads(text.decode("utf-8"))

    def set_host_folder(self, folder):
        if self._lib.mdx_set_host_folder(os.fsencode(folder)) != OK:
            raise self._error()

    def set_dialog(self, answer):
        """answer(text, kind) -> bool for the operator's dialogs; None for the default."""
        if answer is None:
            self._lib.mdx_set_dialog_callback(None, None)
            self._callbacks.pop("dialog", None)
            return

        def dialog(context, text, caption, kind, scheme):
            return 1 if answer(text.decode("utf-8", "replace"), kind) else 0

        self._callbacks["dialog"] = self._dialog_type(dialog)
        self._lib.mdx_set_dialog_callback(self._callbacks["dialog"], None)

    def set_delay(self, delay):
        """delay(units) for the package's pauses; None for the default (100 ms a unit)."""
        if delay is None:
            self._lib.mdx_set_delay_callback(None, None)
            self._callbacks.pop("delay", None)
            return
        self._callbacks["delay"] = self._delay_type(lambda context, units: delay(units))
        self._lib.mdx_set_delay_callback(self._callbacks["delay"], None)
