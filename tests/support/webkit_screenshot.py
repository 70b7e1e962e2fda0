# Draws a page with WebKitGTK, the engine family of Safari, and saves what it shows as PNG.
#   webkit_screenshot.py PAGE.html OUT.png WIDTH HEIGHT    (needs an X server)
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

page, out, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
window = Gtk.OffscreenWindow()
window.set_default_size(width, height)
view = WebKit2.WebView()
window.add(view)
window.show_all()


def saved(source, result, _):
    source.get_snapshot_finish(result).write_to_png(out)
    Gtk.main_quit()


def snapshot(source, result, _):
    source.call_async_javascript_function_finish(result)
    view.get_snapshot(WebKit2.SnapshotRegion.VISIBLE, WebKit2.SnapshotOptions.NONE, None, saved, None)


# Two frames drawn after the load, so that the scrollbars are laid out.
NEXT_FRAMES = "await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));"


def changed(_, event):
    if event == WebKit2.LoadEvent.FINISHED:
        view.call_async_javascript_function(NEXT_FRAMES, -1, None, None, None, None, snapshot, None)


view.connect("load-changed", changed)
view.load_uri("file://" + page)
GLib.timeout_add_seconds(60, Gtk.main_quit)
Gtk.main()
