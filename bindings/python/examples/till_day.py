"""A till in Python: the day of examples/hosts/day against the virtual printer.

    MDX_PACKAGE=build/debug/bin/libmdx00200.so python3 till_day.py DAY_FOLDER WORK_FOLDER
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import mdx00200  # noqa: E402


def day_arguments(day, name):
    with open(os.path.join(day, name + ".json"), encoding="utf-8") as file:
        return file.read()


def run_day(package, day):
    """Runs the day; returns its figures."""
    figures = {}
    started = package.call_json("StartImpFiscal", day_arguments(day, "session"))
    figures["session"] = started.value and package.global_value("boImpFiscalOK")
    package.call_json("CarregaAliquota", day_arguments(day, "tax_rates"))
    opened = package.call_json("AbreCupom", day_arguments(day, "coupon"))
    figures["coupon"] = opened.args[0]["CUPNR"]
    figures["items"] = [package.call_json("VendaItem", day_arguments(day, item)).value
                        for item in ("item1", "item2")]
    closed = package.call_json("FechaCupom", day_arguments(day, "closing"))
    figures["closed"] = closed.value, closed.args[2][1]
    figures["grand_total"] = package.call("BuscaTotGer", "001", "").args[1]
    figures["x_reading"] = package.call_json("Leitura_X_Imp", day_arguments(day, "x_reading")).value
    package.call_json("CarregaAliquota", day_arguments(day, "tax_rates"))
    z = package.call_json("ExportRedZ", day_arguments(day, "z_data"))
    reduction, payments = z.args[5]["rows"][0], z.args[6]["rows"]
    figures["z_data"] = (reduction["VRGTREDZ"], reduction["VRVENLIQREDZ"],
                         [(row["CDTIPORECE"], row["VRFORMPGTORZ"]) for row in payments])
    figures["z_reduction"] = package.call_json("Reducao_Z_Imp", day_arguments(day, "z_reduction")).value
    return figures


def show_dialog(text, kind):
    """The operator's dialogs: printed, answered "no"."""
    print("dialog (kind %d): %s" % (kind, text))
    return False


def main():
    day, work = sys.argv[1], sys.argv[2]
    package = mdx00200.Package()
    package.set_host_folder(work)
    package.set_delay(lambda units: None)  # the virtual printer needs no pause
    package.set_dialog(show_dialog)
    for name, value in run_day(package, day).items():
        print("%-12s %s" % (name, value))
    package.call("FechaPorta")


if __name__ == "__main__":
    main()
