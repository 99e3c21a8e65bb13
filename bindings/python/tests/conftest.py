import os
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples"))

import mdx00200  # noqa: E402


@pytest.fixture(scope="session")
def package(tmp_path_factory):
    """The package of MDX_PACKAGE, its host folder a fresh temporary folder."""
    loaded = mdx00200.Package()
    loaded.set_host_folder(str(tmp_path_factory.mktemp("till")))
    loaded.set_delay(lambda units: None)
    return loaded


@pytest.fixture(scope="session")
def day():
    return os.environ.get("MDX_DAY") or os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                                      "examples", "hosts", "day")
