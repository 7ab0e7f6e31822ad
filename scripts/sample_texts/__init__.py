"""Texts of the sample archive, one module per category, in outline order."""

from . import (algorithms, app_ui, components, databases, files, graphics,
               internet, os_hardware, syntax)

OUTLINE = [
    databases.CATEGORY,
    graphics.CATEGORY,
    internet.CATEGORY,
    components.CATEGORY,
    os_hardware.CATEGORY,
    app_ui.CATEGORY,
    syntax.CATEGORY,
    files.CATEGORY,
    algorithms.CATEGORY,
]
