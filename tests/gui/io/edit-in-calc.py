#!/usr/bin/python3
"""Edits a CSV file the way a user would in LibreOffice Calc, without a window.

    edit-in-calc.py IN.csv OUT.csv IMPORT_OPTIONS EXPORT_OPTIONS CELL VALUE

Calc opens IN.csv with the CSV filter options IMPORT_OPTIONS, the number VALUE
is typed into CELL ("B2"), and the sheet is saved as OUT.csv with
EXPORT_OPTIONS. The locale of Calc is the one of the environment (LC_ALL).
A private profile in a temporary folder keeps it apart from any other Calc.
"""
import os
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

CSV_FILTER = "Text - txt - csv (StarCalc)"


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(pipe, office, seconds=90):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + seconds
    while True:
        try:
            return resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except NoConnectException:
            if office.poll() is not None or time.monotonic() > deadline:
                raise
            time.sleep(0.2)


def edit(desktop, source, target, import_options, export_options, cell, value):
    doc = desktop.loadComponentFromURL(
        uno.systemPathToFileUrl(os.path.abspath(source)), "_blank", 0,
        (prop("FilterName", CSV_FILTER), prop("FilterOptions", import_options),
         prop("Hidden", True)))
    try:
        doc.Sheets.getByIndex(0).getCellRangeByName(cell).setValue(float(value))
        doc.storeToURL(
            uno.systemPathToFileUrl(os.path.abspath(target)),
            (prop("FilterName", CSV_FILTER), prop("FilterOptions", export_options)))
    finally:
        doc.close(True)


def main(argv):
    if len(argv) != 7:
        sys.stderr.write(__doc__)
        return 2
    with tempfile.TemporaryDirectory(prefix="calc-profile-") as profile:
        pipe = "corvane-calc-%d" % os.getpid()
        office = subprocess.Popen(
            ["soffice", "--headless", "--invisible", "--norestore", "--nologo",
             "--nodefault", "--nolockcheck",
             "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
             "--accept=pipe,name=%s;urp;" % pipe],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            context = connect(pipe, office)
            desktop = context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
            edit(desktop, *argv[1:])
            try:
                desktop.terminate()
            except Exception:  # the bridge goes away with the office
                pass
            office.wait(timeout=60)
        finally:
            if office.poll() is None:
                office.kill()
                office.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
