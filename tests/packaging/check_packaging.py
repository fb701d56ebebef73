#!/usr/bin/env python3
"""Checks the files the package installs for the desktop: the desktop entry,
the AppStream metainfo, the manual pages, and that hy3tool's manual page
names the same commands and options as `hy3tool --help`.

usage: check_packaging.py desktop FILE
       check_packaging.py metainfo METAINFO DESKTOP ICON
       check_packaging.py man PAGE...
       check_packaging.py hy3tool HY3TOOL PAGE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

# The Debian package of each validator, named when it is missing.
PACKAGES = {'desktop-file-validate': 'desktop-file-utils', 'appstreamcli': 'appstream',
            'man': 'man-db', 'groff': 'groff-base'}
ENV = dict(os.environ, LC_ALL='C.UTF-8', MANROFFSEQ='', MANWIDTH='80')
OPTION = re.compile(r'(?<![\w-])--[a-z0-9][\w-]*')


def run(args, **kwargs):
    if shutil.which(args[0]) is None:
        sys.exit(f'{args[0]} is missing: install the Debian package {PACKAGES[args[0]]}')
    return subprocess.run(args, capture_output=True, text=True, env=ENV, **kwargs)


def clean(result, what):
    """A validator's run passes only with status 0 and nothing to say."""
    said = (result.stdout + result.stderr).strip()
    return [] if result.returncode == 0 and not said else [f'{what} (status {result.returncode}):\n{said}']


def check_desktop(path):
    return clean(run(['desktop-file-validate', path]), path)


def check_metainfo(metainfo, desktop, icon):
    # Infos (such as a tag newer than this AppStream) are allowed; warnings
    # and errors are not.
    def faults(result, what):
        bad = [line for line in result.stdout.splitlines() if re.match(r'\s*[WE]: ', line)]
        return [f'{what} (status {result.returncode}):\n{result.stdout}'] if result.returncode or bad else []

    problems = faults(run(['appstreamcli', 'validate', '--no-net', metainfo]), metainfo)
    # Installed as the package lays them out, the metainfo's file name must
    # match its id and its launchable must name the desktop entry.
    with tempfile.TemporaryDirectory() as root:
        for source, folder in ((metainfo, 'metainfo'), (desktop, 'applications'),
                               (icon, 'icons/hicolor/scalable/apps')):
            os.makedirs(f'{root}/usr/share/{folder}')
            shutil.copy(source, f'{root}/usr/share/{folder}')
        problems += faults(run(['appstreamcli', 'validate-tree', '--no-net', root]), 'installed tree')
    return problems


def manual_faults(page):
    problems = []
    result = run(['man', '--warnings', '-E', 'UTF-8', '-l', '-Tutf8', '-Z', page])
    if result.returncode or result.stderr.strip():
        problems.append(f'man {page}:\n{result.stderr}')
    result = run(['groff', '-k', '-man', '-Tutf8', '-ww', '-z', page])
    if result.returncode or result.stderr.strip():
        problems.append(f'groff {page}:\n{result.stderr}')
    return problems


def usage_commands(help_text):
    """The commands of the help's Usage: block, continuation lines joined."""
    lines = help_text.split('\nUsage:\n', 1)[1].split('\n\n', 1)[0].splitlines()
    commands = []
    for line in lines:
        tokens = [t.replace('<', '').replace('>', '') for t in line.split()]
        if tokens and tokens[0] == 'hy3tool':
            commands.append(tokens)
        elif commands:
            commands[-1] += tokens
    return commands


def sections(page):
    """The page as a reader sees it, by section: wide lines, so that nothing
    wraps inside a command, and no bold or underlining."""
    text = run(['groff', '-k', '-man', '-Tutf8', '-rLL=1000n', '-P-c', '-P-b', '-P-o', '-P-u', page]).stdout
    text = re.sub('\u2010\n\\s*', '', text)
    found, name = {}, None
    for line in text.splitlines():
        if re.match(r'[A-Z][A-Z -]*$', line):
            name = line
        elif name:
            found[name] = found.get(name, '') + line + '\n'
    return found


def check_hy3tool(tool, page):
    help_text = subprocess.run([tool, '--help'], capture_output=True, text=True, check=True).stdout
    known = set(OPTION.findall(help_text))
    page_sections = sections(page)
    problems = []

    synopsis = page_sections.get('SYNOPSIS', '').split()
    starts = [i for i, t in enumerate(synopsis) if t == 'hy3tool'] + [len(synopsis)]
    described = [synopsis[a:b] for a, b in zip(starts, starts[1:])]
    wanted = usage_commands(help_text)
    for command in wanted:
        if command not in described:
            problems.append('SYNOPSIS lacks: ' + ' '.join(command))
    for command in described:
        if command not in wanted:
            problems.append('SYNOPSIS has what --help does not: ' + ' '.join(command))

    listed = set(re.findall(r'^ {7}(--[\w-]+)', page_sections.get('OPTIONS', ''), re.M))
    problems += [f'OPTIONS lacks {o}' for o in sorted(known - listed)]
    everywhere = set(OPTION.findall('\n'.join(page_sections.values())))
    problems += [f'the page names {o}, which --help does not know' for o in sorted((everywhere | listed) - known)]
    if not known or not wanted:
        problems.append('no options or commands found in --help')
    return problems


def main(argv):
    checks = {'desktop': lambda a: check_desktop(*a), 'metainfo': lambda a: check_metainfo(*a),
              'man': lambda a: sum((manual_faults(p) for p in a), []), 'hy3tool': lambda a: check_hy3tool(*a)}
    if len(argv) < 3 or argv[1] not in checks:
        sys.exit(__doc__)
    problems = checks[argv[1]](argv[2:])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
