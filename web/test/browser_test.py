#!/usr/bin/python3
"""The browser edition in headless Chromium, driven by Selenium, served by a real HTTP server on
127.0.0.1 from web/dist/ (scripts/web builds it). PENDRA_CLI names a built pendra-cli whose
figures the page's must equal. With --shots FOLDER it only takes the screenshots of every page
in both languages at 1280 and 360 pixels wide.

    python3 web/test/browser_test.py [-v] [--shots FOLDER]
"""

import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path
from xml.etree import ElementTree

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = Path(__file__).resolve().parents[2]
DIST = ROOT / 'web' / 'dist'
GOLDEN = ROOT / 'tests' / 'cli' / 'golden'
PAGES = ['year', 'wage', 'bonus', 'labour', 'settle', 'reverse', 'household']


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server:
    """web/dist/ on a free port of 127.0.0.1, stoppable and startable again on the same port."""

    def __init__(self):
        self.port = 0
        self.start()

    def start(self):
        handler = functools.partial(Quiet, directory=str(DIST))
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', self.port), handler)
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    @property
    def url(self):
        return f'http://127.0.0.1:{self.port}/'


def browser(width=1280, height=900, lang='zh-CN'):
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--disable-gpu',
                     f'--window-size={width},{height}', f'--lang={lang}', '--no-first-run'):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': lang})
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
    driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
    driver.set_window_size(width, height)
    return driver


def desktop_words(lang, context, source, *values):
    """What the desktop program says: the source text of a context, in English from the translation,
    its %1, %2, ... filled as Qt's arg() fills them."""
    text = source
    if lang == 'en':
        root = ElementTree.parse(ROOT / 'translations' / 'pendra_en.ts').getroot()
        found = [m.find('translation').text for c in root.iter('context') if c.findtext('name') == context
                 for m in c.iter('message') if m.findtext('source') == source]
        if not found:
            raise AssertionError(f'no English of {context}: {source}')
        text = found[0]
    return re.sub(r'%(\d)', lambda m: str(values[int(m.group(1)) - 1]), text)


def cli_json(*args):
    cli = os.environ.get('PENDRA_CLI')
    if not cli:
        return None
    run = subprocess.run([cli, *args, '--json'], capture_output=True, text=True, timeout=60, check=True,
                         env={**os.environ, 'LANG': 'C.UTF-8'})
    return json.loads(run.stdout)


class Page:
    def __init__(self, driver, base):
        self.driver, self.base = driver, base

    def open(self, page='year', fresh=True):
        self.driver.get(f'{self.base}#{page}')
        if fresh:
            self.driver.execute_script('localStorage.clear()')
            self.driver.get(f'{self.base}#{page}')
            self.driver.refresh()
        self.ready()

    def ready(self):
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))

    def field(self, path):
        return self.driver.find_element(By.CSS_SELECTOR, f'[data-path="{path}"]')

    def type(self, path, text):
        element = self.field(path)
        element.send_keys(Keys.CONTROL, 'a')
        element.send_keys(Keys.DELETE)
        element.send_keys(text)

    def cells(self, heading_words):
        """The results table under the heading holding the words, as rows of texts."""
        return self.driver.execute_script("""
            const h = [...document.querySelectorAll('.results h2')].find((e) => e.textContent.includes(arguments[0]));
            let n = h && h.nextElementSibling;
            while (n && !n.matches('.table-wrap')) n = n.nextElementSibling;
            return n ? [...n.querySelectorAll('tbody tr')].map((r) => [...r.children].map((c) => c.textContent)) : null;
        """, heading_words)

    def pairs(self):
        return dict(self.driver.execute_script("""
            return [...document.querySelectorAll('.results .table-wrap tbody tr')].filter((r) => r.children.length === 2)
              .map((r) => [r.children[0].textContent, r.children[1].textContent]);"""))

    def text(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css).text

    def open_file(self, path):
        picker = self.driver.find_element(By.CSS_SELECTOR, 'input[type=file]')
        picker.send_keys(str(path))


@unittest.skipUnless(shutil.which('chromium') and shutil.which('chromedriver'), 'no Chromium here')
class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not (DIST / 'site.js').exists():
            raise unittest.SkipTest('web/dist/ is not built: scripts/web')
        cls.server = Server()
        cls.driver = browser()
        cls.page = Page(cls.driver, cls.server.url)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()

    def open_year(self, path):
        self.page.open('year')
        self.page.open_file(path)
        WebDriverWait(self.driver, 10).until(lambda d: d.find_element(By.CSS_SELECTOR, '.note').text)

    def test_the_readme_year_gives_pendra_cli_figures(self):
        readme = GOLDEN / 'in' / 'year-readme.json'
        self.open_year(readme)
        # Typed in the page as well: the second pay row's income changed by keyboard.
        self.page.type('jobs[0].pay[1].income', '26000')
        facts = json.loads(readme.read_text())
        facts['jobs'][0]['pay'][1]['income'] = 26000
        with tempfile.NamedTemporaryFile('w', suffix='.json', delete=False) as changed:
            json.dump(facts, changed, ensure_ascii=False)
        try:
            expected = cli_json('year', changed.name)
        finally:
            os.unlink(changed.name)
        if expected is None:
            self.skipTest('PENDRA_CLI names no pendra-cli')
        totals = [row[1] for row in self.page.cells('每月可扣除')]
        self.assertEqual(totals, [m['total'] for m in expected['timeline']])
        self.assertEqual(self.page.pairs()['应补（退）税额'], expected['settlement']['balance'])
        months = self.page.cells(expected['jobs'][0]['withheld'])
        self.assertEqual([row[5] for row in months], [m['tax'] for m in expected['jobs'][0]['months']])

    def test_the_readme_year_typed_field_by_field_gives_pendra_cli_figures(self):
        expected = cli_json('year', str(GOLDEN / 'in' / 'year-readme.json'))
        if expected is None:
            self.skipTest('PENDRA_CLI names no pendra-cli')
        self.page.open('year')
        add = lambda words: self.driver.find_element(By.XPATH, f"//button[text()='添加{words}']").click()
        choose = lambda path, value: Select(self.page.field(path)).select_by_value(value)
        # The page starts from the README's job; everything else is typed.
        for words, fields in (
                ('子女', [('children[0].born', '2023-05-10'), ('children[0].education_end', '2041-06')]),
                ('赡养老人', [('elderly.parents_born', '1966-03-15'), ('elderly.share', '1500')]),
                ('住房贷款利息', [('housing_loan.first_repayment', '2015-03')]),
                ('学历继续教育', [('degree_study[0].from', '2024-09'), ('degree_study[0].to', '2027-06')]),
                ('职业资格证书', [('certificates[0]', '2026-06')]),
                ('大病医疗', [('illness[0].paid', '30000')]),
                ('大病医疗', [('illness[1].paid', '50000')]),
                ('个人养老金', [('pension[0].amount', '12000')]),
                ('商业健康保险', []),
                ('劳务报酬、稿酬、特许权使用费', [('payments[0].amount', '8000')]),
                ('全年一次性奖金', [('bonus.amount', '40000')])):
            add(words)
            for path, text in fields:
                self.page.type(path, text)
        self.page.field('elderly.only_child').click()
        choose('illness[1].who', '子女')
        self.page.type('payments[0].month', '5')
        choose('bonus_method', 'best')
        self.assertEqual([row[1] for row in self.page.cells('每月可扣除')], [m['total'] for m in expected['timeline']])
        self.assertEqual(self.page.pairs()['应补（退）税额'], expected['settlement']['balance'])
        self.assertIn('多5640.00元', self.page.text('.sentence'))

    def test_a_year_file_of_the_desktop_opens_with_its_settlement(self):
        self.open_year(GOLDEN / 'in' / 'year-readme.json')
        expected = json.loads((GOLDEN / 'out' / 'year_readme_json.out').read_text())
        self.assertEqual(self.page.pairs()['应补（退）税额'], expected['settlement']['balance'])
        self.assertEqual(self.page.cells('每月可扣除')[5][1], '8700.00')
        self.assertIn('多5640.00元', self.page.text('.sentence'))

    def test_a_fault_of_the_year_is_shown_at_its_field_and_the_results_kept(self):
        self.open_year(GOLDEN / 'in' / 'year-readme.json')
        self.page.type('jobs[0].pay[1].income', '25000.005')
        field = self.page.field('jobs[0].pay[1].income')
        self.assertEqual(field.get_attribute('aria-invalid'), 'true')
        said = self.driver.find_element(By.CSS_SELECTOR, '[data-fault-for="jobs[0].pay[1].income"]').text
        self.assertTrue(said.startswith('金额最多两位小数'), said)
        self.assertIn('多5640.00元', self.page.text('.sentence'))
        self.page.type('jobs[0].pay[1].income', '25000')
        self.assertIsNone(self.page.field('jobs[0].pay[1].income').get_attribute('aria-invalid'))

    def test_a_year_saved_by_the_page_gives_pendra_cli_the_same_settlement(self):
        self.open_year(GOLDEN / 'in' / 'year-readme.json')
        self.page.type('jobs[0].pay[0].income', '21000')
        folder = tempfile.mkdtemp()
        try:
            self.driver.execute_cdp_cmd('Page.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': folder})
            self.driver.find_element(By.XPATH, "//button[text()='保存年度文件']").click()
            saved = Path(folder) / '2026.json'
            WebDriverWait(self.driver, 10).until(lambda d: saved.exists() and saved.stat().st_size > 0)
            self.assertEqual(json.loads(saved.read_text())['jobs'][0]['pay'][0]['income'], 21000)
            expected = cli_json('year', str(saved))
            if expected is None:
                self.skipTest('PENDRA_CLI names no pendra-cli')
            self.assertEqual(self.page.pairs()['应补（退）税额'], expected['settlement']['balance'])
        finally:
            shutil.rmtree(folder)

    def test_a_year_file_at_fault_is_refused_with_nothing_lost(self):
        self.open_year(GOLDEN / 'in' / 'year-readme.json')
        self.page.type('jobs[0].employer', '乙公司')
        self.page.open_file(GOLDEN / 'in' / 'year-bad-amount.json')
        WebDriverWait(self.driver, 10).until(lambda d: '未打开' in d.find_element(By.CSS_SELECTOR, '.note').text)
        self.assertIn('jobs[0].pay[1].income', self.page.text('.note'))
        self.assertEqual(self.page.field('jobs[0].employer').get_attribute('value'), '乙公司')
        self.driver.refresh()
        self.page.ready()
        self.assertEqual(self.page.field('jobs[0].employer').get_attribute('value'), '乙公司')

    def test_wage_page_gives_pendra_cli_figures(self):
        self.page.open('wage')
        for path, value in (('--income', '20000'), ('--insurance', '2000'), ('--special', '3000')):
            self.page.type(path, value)
        expected = cli_json('wage', '--income', '20000', '--insurance', '2000', '--special', '3000') or \
            json.loads((GOLDEN / 'out' / 'wage_readme_json.out').read_text())
        rows = self.page.cells('逐月累计预扣')
        self.assertEqual(len(rows), 12)
        for row, month in zip(rows, expected['months']):
            self.assertEqual(row[1:], [month['income'], month['cumulative_taxable'], f"{month['rate']}%",
                                       month['cumulative_tax'], month['tax'], month['net']])

    def test_bonus_page_gives_figures_and_draws_its_chart(self):
        self.page.open('bonus')
        self.page.type('--bonus', '38000')
        self.page.type('--taxable', '100000')
        expected = json.loads((GOLDEN / 'out' / 'bonus_readme_json.out').read_text())
        pairs = self.page.pairs()
        self.assertEqual(pairs['单独计税：税额合计'], expected['separate']['total'])
        self.assertEqual(pairs['并入综合所得：税额合计'], expected['merged']['total'])
        self.assertEqual(pairs['多发反少得'], expected['cliff']['loss'])
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.CSS_SELECTOR, '.chart canvas'))

    def test_settle_and_reverse_pages_give_pendra_cli_figures(self):
        self.page.open('settle')
        expected = json.loads((GOLDEN / 'out' / 'settle_refund_json.out').read_text())
        self.assertEqual(self.page.pairs()['应补（退）税额'], expected['balance'])
        self.assertIn('多520.00元', self.page.text('.sentence'))
        self.page.open('reverse')
        expected = json.loads((GOLDEN / 'out' / 'reverse_wage_readme_json.out').read_text())
        self.assertEqual(self.page.pairs()['税前'], expected['gross'])
        # A bonus takes no insurance: its fields go, and the bonus's gross comes.
        Select(self.page.field('--kind')).select_by_value('bonus')
        self.assertFalse(self.page.field('--insurance-rate').is_displayed())
        self.page.type('--net', '50000')
        expected = json.loads((GOLDEN / 'out' / 'reverse_bonus_json.out').read_text())
        self.assertEqual(self.page.pairs()['税前'], expected['gross'])

    def test_a_small_amount_owed_is_spared_in_the_desktops_words(self):
        expected = cli_json('settle', '--wages', '70000')
        if expected is None:
            self.skipTest('PENDRA_CLI names no pendra-cli')
        self.assertEqual(expected['reason'], 'owe_small')
        year, month, day = (int(x) for x in expected['exemptions_until'].split('-'))
        months = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August', 'September',
                  'October', 'November', 'December']
        for lang, until in (('zh', f'{year}年{month}月{day}日'), ('en', f'{day} {months[month - 1]} {year}')):
            with self.subTest(lang=lang):
                # The announcement as pendra-cli words it in this language, inside its parentheses.
                text = subprocess.run([os.environ['PENDRA_CLI'], '--lang', lang, 'settle', '--wages', '70000'],
                                      capture_output=True, text=True, timeout=60, check=True).stdout.strip()
                document = re.search(r'[（(]([^（()]*)[）)]$', text).group(1)
                words = functools.partial(desktop_words, lang)
                said = words('SettlementSentences', '需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴%3。',
                             words('TCurrentPage', '%1元', expected['balance']),
                             expected['small_owed'].removesuffix('.00'),
                             words('SettlementSentences', '（%1，此项免于办理的规定施行至%2）', document, until))
                self.page.open('settle')
                Select(self.driver.find_element(By.ID, 'lang')).select_by_value(lang)
                for path, value in (('--wages', '70000'), ('--insurance', ''), ('--special', ''), ('--withheld', '')):
                    self.page.type(path, value)
                self.assertEqual(self.page.text('.sentence'), said)
                self.assertIn(document, said)
                self.assertIn(expected['small_owed'].removesuffix('.00'), said)
                self.assertEqual(self.page.text('.filing'), words('SettlementSentences', '无需办理年度汇算'))

    def test_a_fault_is_shown_at_its_field_in_the_chosen_language(self):
        self.page.open('labour')
        Select(self.driver.find_element(By.ID, 'lang')).select_by_value('en')
        self.page.type('--income', 'abc')
        income = self.page.field('--income')
        self.assertEqual(income.get_attribute('aria-invalid'), 'true')
        self.assertIn('is not a number', self.driver.find_element(By.CSS_SELECTOR, '[data-fault-for="--income"]').text)
        self.page.type('--income', '30000')
        self.assertIsNone(self.page.field('--income').get_attribute('aria-invalid'))

    def test_switching_language_keeps_the_facts(self):
        self.page.open('wage')
        self.page.type('--income', '12345.67')
        Select(self.driver.find_element(By.ID, 'lang')).select_by_value('en')
        self.assertEqual(self.page.field('--income').get_attribute('value'), '12345.67')
        self.assertIn('Cumulative withholding month by month', self.driver.page_source)
        self.assertEqual(self.driver.execute_script('return document.documentElement.lang'), 'en')
        for name in ('wage', 'labour', 'settle', 'reverse'):
            with self.subTest(page=name):
                self.page.open(name, fresh=False)
                choices = self.driver.execute_script(
                    "return [...document.querySelectorAll('main select option')].map((o) => o.textContent);")
                self.assertTrue(choices)
                self.assertEqual([c for c in choices if re.search('[\u4e00-\u9fff]', c)], [])
        self.page.open('wage', fresh=False)
        Select(self.driver.find_element(By.ID, 'lang')).select_by_value('zh')
        self.assertEqual(self.page.field('--income').get_attribute('value'), '12345.67')
        self.assertIn('逐月累计预扣', self.driver.page_source)

    def test_keyboard_alone_reaches_every_field(self):
        for name in ('year', 'wage', 'reverse'):
            with self.subTest(page=name):
                self.page.open(name)
                fields = self.driver.execute_script("""
                    return [...document.querySelectorAll('main input:not([type=file]), main select, main textarea, main button')]
                      .filter((e) => e.offsetParent !== null).length;""")
                reached = set()
                body = self.driver.find_element(By.TAG_NAME, 'body')
                body.send_keys(Keys.TAB)
                for _ in range(fields + 40):
                    reached.add(self.driver.execute_script("""
                        const e = document.activeElement;
                        return e && e.closest('main') && e.matches('input, select, textarea, button') ?
                          [...document.querySelectorAll('main input, main select, main textarea, main button')].indexOf(e) : -1;"""))
                    self.driver.switch_to.active_element.send_keys(Keys.TAB)
                reached.discard(-1)
                self.assertGreater(fields, 3)
                self.assertEqual(len(reached), fields)

    def test_nothing_is_asked_of_another_origin(self):
        self.driver.get_log('performance')
        for name in PAGES:
            self.page.open(name, fresh=False)
            self.driver.refresh()
            self.page.ready()
        urls = []
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Network.requestWillBeSent':
                urls.append(message['params']['request']['url'])
        self.assertTrue(any(url.endswith('site.js') for url in urls), urls)
        strangers = [u for u in urls if not u.startswith(self.server.url) and not u.startswith(('blob:', 'data:'))]
        self.assertEqual(strangers, [])

    def test_the_page_works_with_the_server_stopped_once_loaded(self):
        self.page.open('wage')
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script('return !!navigator.serviceWorker.controller'))
        self.server.stop()
        try:
            self.driver.get(f'{self.server.url}#labour')
            self.page.ready()
            self.page.type('--income', '800')
            self.assertEqual(self.page.pairs()['应预扣税额'], '0.00')
        finally:
            self.server.start()

    def test_the_readme_household_gives_its_best_split(self):
        self.page.open('household')
        self.page.open_file(GOLDEN / 'in' / 'household-readme.json')
        expected = json.loads((GOLDEN / 'out' / 'household_readme_json.out').read_text())
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.CSS_SELECTOR, '.results table'))
        pairs = self.page.pairs()
        self.assertEqual(pairs['两人应纳税额合计：最优分配'], expected['best']['total'])
        self.assertEqual(pairs['全部由 a 扣除'], expected['all_to_a']['total'])

    def test_storage_full_is_said(self):
        self.page.open('wage')
        # Fill the browser's storage for this origin to the brim, then edit the year.
        self.driver.execute_script("""
            let n = 0;
            for (const size of [1 << 20, 1 << 14, 1 << 8, 1]) {
              const chunk = 'x'.repeat(size);
              for (;;) { try { localStorage.setItem('filler' + n++, chunk); } catch { break; } }
            }""")
        self.page.type('--income', '20001234.56')
        said = self.page.text('#storage')
        self.driver.execute_script('localStorage.clear()')
        self.page.type('--income', '20002')
        self.assertIn('存储已满', said)
        self.assertEqual(self.page.text('#storage'), '')


@unittest.skipUnless(shutil.which('chromium') and shutil.which('chromedriver'), 'no Chromium here')
class PhoneTest(unittest.TestCase):
    def test_a_phone_needs_no_sideways_scrolling(self):
        if not (DIST / 'site.js').exists():
            self.skipTest('web/dist/ is not built: scripts/web')
        server = Server()
        driver = browser(360, 740)
        try:
            page = Page(driver, server.url)
            for lang in ('zh', 'en'):
                for name in PAGES:
                    with self.subTest(page=name, lang=lang):
                        page.open(name, fresh=False)
                        Select(driver.find_element(By.ID, 'lang')).select_by_value(lang)
                        time.sleep(0.05)
                        wide = driver.execute_script(
                            'return document.documentElement.scrollWidth - document.documentElement.clientWidth')
                        self.assertLessEqual(wide, 0)
        finally:
            driver.quit()
            server.stop()

    def test_opened_from_a_file_it_computes(self):
        if not (DIST / 'engine-inline.js').exists():
            self.skipTest('web/dist/ is not built: scripts/web')
        driver = browser()
        try:
            driver.get((DIST / 'index.html').as_uri() + '#labour')
            page = Page(driver, '')
            page.ready()
            page.type('--income', '30000')
            expected = json.loads((GOLDEN / 'out' / 'labour_small_json.out').read_text())
            page.type('--income', '800')
            self.assertEqual(page.pairs()['应预扣税额'], expected['tax'])
        finally:
            driver.quit()


def shots(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    server = Server()
    try:
        for width, height in ((1280, 900), (360, 740)):
            driver = browser(width, height)
            page = Page(driver, server.url)
            # The README's year and household on their pages.
            page.open('year', fresh=False)
            driver.execute_script('localStorage.setItem("pendra.year", arguments[0]);'
                                  'localStorage.setItem("pendra.household", arguments[1])',
                                  (GOLDEN / 'in' / 'year-readme.json').read_text(),
                                  (GOLDEN / 'in' / 'household-readme.json').read_text())
            for lang in ('zh', 'en'):
                for name in PAGES:
                    page.open(name, fresh=False)
                    driver.refresh()
                    page.ready()
                    Select(driver.find_element(By.ID, 'lang')).select_by_value(lang)
                    time.sleep(0.3)
                    driver.save_screenshot(str(folder / f'web-{name}-{lang}-{width}.png'))
            driver.quit()
    finally:
        server.stop()


if __name__ == '__main__':
    if '--shots' in sys.argv:
        shots(sys.argv[sys.argv.index('--shots') + 1])
    else:
        unittest.main()
