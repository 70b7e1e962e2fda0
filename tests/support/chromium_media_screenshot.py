# Draws a page with Chromium under emulated CSS media features, such as forced colours, driven
# over the DevTools pipe, and saves what it shows as PNG.
#   chromium_media_screenshot.py PAGE.html OUT.png WIDTH HEIGHT PROFILE NAME=VALUE...
import base64
import json
import os
import subprocess
import sys
import threading

page, out, width, height, profile = sys.argv[1:6]
features = [dict(zip(("name", "value"), feature.split("=", 1))) for feature in sys.argv[6:]]

# The browser reads commands on descriptor 3 and answers on 4.
commands_read, commands_write = os.pipe()
answers_read, answers_write = os.pipe()


def pipes_as_3_and_4():
    # Through copies: a pipe may already be 3 or 4, and be closed on exec there.
    reading, writing = os.dup(commands_read), os.dup(answers_write)
    os.dup2(reading, 3)
    os.dup2(writing, 4)


browser = subprocess.Popen(
    ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
     "--disable-sync", "--disable-quic", "--disable-background-networking",
     "--disable-component-update", "--force-device-scale-factor=1", "--remote-debugging-pipe",
     "--user-data-dir=" + profile, "about:blank"],
    preexec_fn=pipes_as_3_and_4, close_fds=False,
    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(commands_read)
os.close(answers_write)
watchdog = threading.Timer(60, browser.kill)
watchdog.daemon = True
watchdog.start()
commands = os.fdopen(commands_write, "wb", buffering=0)
answers = os.fdopen(answers_read, "rb")
pending = b""
last_id = 0


def next_message():
    global pending
    while b"\0" not in pending:
        chunk = answers.read1(65536)
        if not chunk:
            sys.exit("chromium closed the pipe")
        pending += chunk
    message, pending = pending.split(b"\0", 1)
    return json.loads(message)


def call(method, session=None, **params):
    global last_id
    last_id += 1
    command = {"id": last_id, "method": method, "params": params}
    if session:
        command["sessionId"] = session
    commands.write(json.dumps(command).encode() + b"\0")
    while True:
        message = next_message()
        if message.get("id") == last_id:
            if "error" in message:
                sys.exit(method + ": " + json.dumps(message["error"]))
            return message["result"]


def wait_for(event):
    while next_message().get("method") != event:
        pass


target = call("Target.createTarget", url="about:blank")["targetId"]
session = call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
call("Page.enable", session)
call("Emulation.setDeviceMetricsOverride", session, width=int(width), height=int(height),
     deviceScaleFactor=1, mobile=False)
call("Emulation.setEmulatedMedia", session, features=features)
call("Page.navigate", session, url="file://" + page)
wait_for("Page.loadEventFired")
# Two frames drawn after the load, so that the scrollbars are laid out.
call("Runtime.evaluate", session, awaitPromise=True,
     expression="new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
shot = call("Page.captureScreenshot", session, format="png")["data"]
with open(out, "wb") as file:
    file.write(base64.b64decode(shot))
commands.write(json.dumps({"id": last_id + 1, "method": "Browser.close"}).encode() + b"\0")
browser.wait()
