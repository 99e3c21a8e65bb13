"""The day every host runs, and bad input as a clear error, through ctypes."""

import pytest

import mdx00200
import till_day


def test_the_day_gives_its_figures(package, day):
    figures = till_day.run_day(package, day)
    assert figures["session"] is True
    assert figures["coupon"] == "000001"
    assert figures["items"] == [True, True]
    assert figures["closed"] == (True, "000001")
    assert figures["grand_total"] == "12,97"
    assert figures["x_reading"] is True
    assert figures["z_data"] == (12.97, 12.47, [("001", 12.47)])
    assert figures["z_reduction"] is True


@pytest.mark.parametrize("name, arguments, code, message", [
    ("VendaItem", '[{"ESQUEMACOR": ', mdx00200.ERROR_JSON, "VendaItem: the arguments are not JSON"),
    ("VendeItem", "[]", mdx00200.ERROR_UNKNOWN_NAME, 'unknown operation "VendeItem"'),
    ("Sangria", '["", "001"]', mdx00200.ERROR_ARGUMENT, "Sangria takes 3 arguments, 2 given"),
])
def test_a_call_that_cannot_run_raises(package, name, arguments, code, message):
    with pytest.raises(mdx00200.PackageError) as raised:
        package.call_json(name, arguments)
    assert raised.value.code == code
    assert message in raised.value.message


def test_a_record_without_a_field_names_it(package):
    result = package.call("VendaItem", {"ESQUEMACOR": "001", "CDARVPROD": "9"})
    assert result.value is False
    assert result.error[0] == mdx00200.ERROR_ARGUMENT
    assert "VendaItem: argument 1 has no 'INTTEFERRO'" in result.error[1]


def test_globals_and_the_operations_table(package):
    names = {op["name"] for op in package.operations()}
    assert {"AbreCupom", "FechaCupom", "Reducao_Z_Imp", "GetValue"} <= names
    assert len(package.global_value("Portas")) == 14
    with pytest.raises(mdx00200.PackageError):
        package.global_value("NoSuchGlobal")
