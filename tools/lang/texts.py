# -*- coding: utf-8 -*-
"""The interface texts of the seven language modules, by string id."""

# Primary and sub-language ids of each module's string table.
LANGUAGE_IDS = {
    "CSY": (0x05, 0x01),
    "DE": (0x07, 0x01),
    "EN": (0x09, 0x01),
    "ES": (0x0A, 0x03),
    "FR": (0x0C, 0x01),
    "IT": (0x10, 0x01),
    "RUS": (0x19, 0x01),
}

EN = {
    1: "Configuration files and autostart",
    7: "Open other file...",
    10: "Report",
    11: "About",
    12: "Language",
    13: "Minimize",
    20: "Configuration files",
    21: "Autostart",
    52: "Close",
    54: "Save",
    55: "Cancel",
    100: "Add",
    101: "Remove",
    102: "Edit",
    103: "View",
    104: "Do you really want to remove ",
    105: "Edit line - ",
    106: "Remove entry",
    107: "Registry value",
    108: "Value name:",
    109: "Value data:",
    50100: "Print",
    50101: "Save",
    50102: "Send",
    50103: "Select all",
    50104: "Unselect all",
    50200: "Report",
    50201: "Report created on",
    50202: "Created by",
}

# Languages not yet translated fall back to the English texts.
TEXTS = {code: EN for code in LANGUAGE_IDS}
TEXTS["EN"] = EN
