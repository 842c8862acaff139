#!/usr/bin/python3
"""The browser edition's speed in headless Chromium, served from web/dist/ on 127.0.0.1 (build it
with scripts/web first):

    python3 bench/web-page.py [LOADS] [EDITS]

- ready: from the navigation's start to the page ready for input (the module loaded, the words
  read, the page drawn), for the first load of a fresh profile and the median of LOADS reloads;
- edit: an edit of 我的纳税年度 (the README's year): the input event, the module's recomputation,
  the results that changed and the timeline chart redrawn when the timeline changed, laid out;
  median and 90th percentile of EDITS edits of a pay row's income (the chart stays) and of the
  health insurance's monthly amount (the chart is redrawn);
- the bytes of the page's files together.
Figures go to bench/README.md by hand; no test checks them.
"""

import functools
import http.server
import json
import os
import shutil
import statistics
import sys
import threading
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ROOT = Path(__file__).resolve().parents[1]
DIST = ROOT / 'web' / 'dist'
YEAR = ROOT / 'tests' / 'cli' / 'golden' / 'in' / 'year-readme.json'


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    loads = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    edits = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=str(DIST)))
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    url = f'http://127.0.0.1:{httpd.server_address[1]}/'
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--window-size=1366,768'):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
    ready = lambda: WebDriverWait(driver, 30).until(
        lambda d: d.execute_script('return document.body.dataset.readyAt'))
    try:
        driver.get(url + '#year')
        first = float(ready())
        times = []
        for _ in range(loads):
            driver.refresh()
            times.append(float(ready()))
        driver.execute_script('localStorage.setItem("pendra.year", arguments[0])', YEAR.read_text())
        driver.refresh()
        ready()
        edit = {}
        for label, path, values in (('pay', 'jobs[0].pay[1].income', [str(25000 + i) for i in range(50)]),
                                    ('timeline', 'health_insurance[0].monthly', [str(100 + i) for i in range(50)])):
            edit[label] = driver.execute_async_script("""
                const [path, values, count, done] = arguments;
                const input = document.querySelector(`[data-path="${path}"]`);
                const spans = [];
                // uPlot redraws in a microtask: one queued after the edit runs after it.
                const drawn = () => new Promise((r) => queueMicrotask(r));
                (async () => {
                  for (let i = 0; i < count; i++) {
                    const start = performance.now();
                    input.value = values[i % values.length];
                    input.dispatchEvent(new Event('input'));
                    await drawn();
                    document.body.getBoundingClientRect();
                    spans.push(performance.now() - start);
                    await new Promise((r) => setTimeout(r, 0));
                  }
                  done({ spans, shown: document.querySelector('.sentence').textContent });
                })();""", path, values, edits)
    finally:
        driver.quit()
        httpd.shutdown()
    figures = {
        'ready_first_ms': round(first, 1),
        'ready_median_ms': round(statistics.median(times), 1),
        'ready_max_ms': round(max(times), 1),
    }
    for label, answer in edit.items():
        spans = sorted(answer['spans'])
        figures[f'edit_{label}_median_ms'] = round(statistics.median(spans), 2)
        figures[f'edit_{label}_p90_ms'] = round(spans[int(len(spans) * 0.9)], 2)
        figures[f'edit_{label}_sentence'] = answer['shown']
    files = [p for p in DIST.iterdir() if p.name not in ('engine-inline.js', 'words.json', 'pendra-engine.cjs') and not p.name.endswith('.tmp')]
    print(json.dumps({
        **figures,
        'edits': edits,
        'files_bytes': sum(p.stat().st_size for p in files),
        'load_average': os.getloadavg(),
    }, ensure_ascii=False, indent=1))


if __name__ == '__main__':
    main()
