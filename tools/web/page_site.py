"""Where a browser opens the game's page from: its folder (site_url), a
copy of it whose page runs a script of the test's first (page_copy), or a
static server on 127.0.0.1 (StaticServer)."""

import functools
import http.server
import os
import shutil
import tempfile
import threading


def site_url(folder):
    return "file://" + os.path.abspath(os.path.join(folder, "index.html"))


def page_copy(site, prelude):
    """A copy of the site in a new temporary folder whose index.html runs
    prelude (JavaScript) before anything else, by a script that then takes
    itself out of the page; the caller removes the folder."""
    folder = tempfile.mkdtemp(prefix="ae-page-")
    copy = os.path.join(folder, "site")
    shutil.copytree(site, copy)
    index = os.path.join(copy, "index.html")
    with open(index, encoding="utf-8") as page:
        html = page.read()
    with open(index, "w", encoding="utf-8") as page:
        page.write(html.replace(
            "<head>", "<head>\n<script>%s\ndocument.currentScript.remove();</script>" % prelude, 1))
    return copy


class StaticServer:
    """Serves a folder on 127.0.0.1 on a port the system picks as free.
    Isolated, its pages are cross-origin isolated (COOP and COEP), which
    lets their clock (performance.now) read to 5 us rather than 100 us.
    The files named in refused go out as a server without their types
    and with a common hardening header sends them, which browsers refuse
    to run as scripts. Uncached, the browser's own cache keeps none of its
    files, so that only the page's service worker can play it offline.
    headers go out with every file, as a site's own (a Cache-Control, a
    Content-Security-Policy)."""

    def __init__(self, folder, isolated=False, refused=(), uncached=False, headers=None):
        handler = functools.partial(IsolatingHandler if isolated else
                                    UncachedHandler if uncached else QuietHandler,
                                    directory=folder)
        if refused:
            handler = functools.partial(RefusingHandler, refused=refused, directory=folder)
        if headers:
            handler = functools.partial(SiteHeadersHandler, sent=headers, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class IsolatingHandler(QuietHandler):
    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


class UncachedHandler(QuietHandler):
    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


class SiteHeadersHandler(QuietHandler):
    def __init__(self, *args, sent, **kwargs):
        self.sent = sent
        super().__init__(*args, **kwargs)

    def end_headers(self):
        for name, value in self.sent.items():
            self.send_header(name, value)
        super().end_headers()


class RefusingHandler(QuietHandler):
    def __init__(self, *args, refused, **kwargs):
        self.refused = refused
        super().__init__(*args, **kwargs)

    def guess_type(self, path):
        refused = os.path.basename(path) in self.refused
        return "application/octet-stream" if refused else super().guess_type(path)

    def end_headers(self):
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()
