#!/usr/bin/env python3
"""Lists what the program uses of Qt that Qt's own documentation marks as newer than a version.

Reads the qdoc comments of a Qt source tree (scripts/qt-since fetches Debian's qt6-base): each
\\since, \\value [since], \\cmakecommandsince, \\cmakevariablesince and \\cmakepropertysince, and
the class, function, enum value, property, macro, typedef or CMake command it marks. Then looks for
those names in the program's C++ sources and CMake files, and prints each name found, the version
that brought it and where the program uses it.

A C++ name counts as used where the program calls or names it as Qt's: a class, macro or CMake
command by its name; a member as Class::name, on an object whose declaration in the file (or its
header) names the class or a class derived from it, or bare inside a member function of a class
derived from it; on an object of a class the script cannot tell, only when no Qt class has an
older member the call could be. A function some of whose overloads are older counts only where
the call can be none of the older ones, by the number of its arguments and, where the script can
tell, their kinds (string, number, pointer, enum value). A use inside
#if QT_VERSION >= QT_VERSION_CHECK(6, N, 0), with N at least the name's version, is listed apart
as guarded. docs/testing.md says what it cannot see.

Exit status: 0 when every use of a newer name is guarded, 1 when some is not, 2 on a usage error.
"""

import argparse
import os
import re
import sys
from collections import defaultdict

# --------------------------------------------------------------------------------------------
# Versions

VERSION = re.compile(r"(\d+)\.(\d+)(?:\.(\d+))?")


def parse_version(text):
    m = VERSION.fullmatch(text.strip())
    if not m:
        return None
    return (int(m.group(1)), int(m.group(2)), int(m.group(3) or 0))


def show_version(v):
    return f"{v[0]}.{v[1]}" + (f".{v[2]}" if v[2] else "")


# --------------------------------------------------------------------------------------------
# Qt's documentation

TOPIC = re.compile(
    r"^\s*\\(fn|class|struct|namespace|enum|property|macro|variable|typedef|typealias)\s+(.*\S)")
SINCE = re.compile(r"^\s*\\since\s+(?:Qt\s*)?(\d+\.\d+(?:\.\d+)?)\s*$")
CMAKE_SINCE = re.compile(r"^\s*\\cmake(command|variable|property)since\s+(\d+\.\d+(?:\.\d+)?)")
TITLE = re.compile(r"^\s*\\title\s+(\S+)\s*$")
TARGET = re.compile(r"^\s*\\target\s+(\S+)\s*$")
VALUE = re.compile(r"^\s*\\(value|omitvalue)\s+(?:\[since\s+(\d+\.\d+(?:\.\d+)?)\]\s*)?(\S+)")
QDOC_BLOCK = re.compile(r"/\*!(.*?)\*/", re.S)
IDENT = r"[A-Za-z_]\w*"


def strip_templates(text):
    """QList<T>::append -> QList::append; keeps operator< and the like whole."""
    out, depth, i = [], 0, 0
    while i < len(text):
        if text.startswith("operator", i):
            # Copy the operator's name through its opening parenthesis untouched.
            m = re.match(r"operator\s*(\(\)|\[\]|[^\s(]+)", text[i:])
            if m and depth == 0:
                out.append(m.group(0))
                i += len(m.group(0))
                continue
        c = text[i]
        if c == "<":
            depth += 1
        elif c == ">" and depth:
            depth -= 1
        elif depth == 0:
            out.append(c)
        i += 1
    return "".join(out)


def function_name(signature):
    """The qualified name in a function's signature: 'QString QString::arg(...) const' ->
    'QString::arg'; None when there is none."""
    sig = signature.strip()
    sig = re.sub(r"^template\s*", "", sig)
    if sig.startswith("<"):
        depth = 0
        for i, c in enumerate(sig):
            depth += c == "<"
            depth -= c == ">"
            if depth == 0:
                sig = sig[i + 1:]
                break
    sig = strip_templates(sig)
    m = re.search(r"((?:" + IDENT + r"\s*::\s*)*(?:operator\s*(?:\(\)|\[\]|[^\s(]+)|~?" + IDENT +
                  r"))\s*\(", sig)
    if not m:
        return None
    return re.sub(r"\s+", "", m.group(1))


class Symbol:
    def __init__(self, kind, name, since, where, signature=""):
        self.kind = kind            # function, class, enumvalue, enum, property, macro, ...
        self.name = name            # qualified: QString::arg, Qt::Key_A, qt_add_resources
        self.since = since          # a version tuple, or None for as old as the docs go
        self.where = where          # file:line in the Qt sources
        self.signature = signature  # a function's signature as documented
        self.from_definition = False  # read off the definition that follows, defaults left out
        self.enum = None              # an enum value's enum

    @property
    def short(self):
        return self.name.rsplit("::", 1)[-1]

    @property
    def scope(self):
        return self.name.rsplit("::", 1)[0] if "::" in self.name else ""


def read_qt_docs(qt_root):
    symbols = []
    for top in ("src",):
        for dirpath, dirnames, filenames in os.walk(os.path.join(qt_root, top)):
            dirnames[:] = [d for d in dirnames if d not in ("3rdparty", "snippets", "examples")]
            for filename in filenames:
                if not filename.endswith((".cpp", ".qdoc", ".h", ".mm")):
                    continue
                path = os.path.join(dirpath, filename)
                try:
                    with open(path, encoding="utf-8", errors="replace") as f:
                        text = f.read()
                except OSError:
                    continue
                if "/*!" not in text:
                    continue
                symbols.extend(read_blocks(text, os.path.relpath(path, qt_root)))
    return symbols


def read_blocks(text, relpath):
    symbols = []
    for block in QDOC_BLOCK.finditer(text):
        body = block.group(1)
        line = text.count("\n", 0, block.start()) + 1
        where = f"{relpath}:{line}"
        lines = body.splitlines()
        if any(re.match(r"^\s*\\internal\b", l) for l in lines):
            continue
        since = None
        topics = []
        values = []
        cmake = None
        title = None
        targets = []
        for l in lines:
            if m := SINCE.match(l):
                since = parse_version(m.group(1))
            elif m := CMAKE_SINCE.match(l):
                cmake = (m.group(1), parse_version(m.group(2)))
            elif m := TITLE.match(l):
                title = m.group(1)
            elif m := TARGET.match(l):
                targets.append(m.group(1))
            elif m := VALUE.match(l):
                values.append((m.group(1), m.group(2), m.group(3)))
            elif m := TOPIC.match(l):
                topics.append((m.group(1), m.group(2)))

        if cmake:
            kind, version = cmake
            names = set()
            if title and re.fullmatch(r"[A-Za-z_][\w<>]*", title):
                names.add(title)
            for t in targets:
                t = re.sub(r"^cmake-(variable|target-property|property)-", "", t)
                if re.fullmatch(r"qt6?_\w+", t) or kind != "command" and re.fullmatch(r"\w+", t):
                    names.add(t)
            for n in names:
                symbols.append(Symbol("cmake " + kind, n, version, where))
            continue

        if not topics:
            # A comment before a definition documents that definition.
            rest = text[block.end():block.end() + 600]
            decl = re.split(r"[{;]", rest, maxsplit=1)[0]
            decl = re.sub(r"//[^\n]*", "", decl)
            if "(" in decl:
                name = function_name(" ".join(decl.split()))
                if name:
                    topics.append(("definition", " ".join(decl.split())))
            elif m := re.match(r"\s*(?:class|struct)\s+(?:Q_\w+_EXPORT\s+)?(" + IDENT + ")", decl):
                topics.append(("class", m.group(1)))

        enum_name = None
        for kind, arg in topics:
            if kind in ("fn", "definition"):
                name = function_name(arg)
                if name:
                    symbol = Symbol("function", name, since, where, arg)
                    symbol.from_definition = kind == "definition"
                    symbols.append(symbol)
            elif kind in ("class", "struct", "namespace"):
                symbols.append(Symbol(kind, arg.split()[0], since, where))
            elif kind == "enum":
                enum_name = strip_templates(arg.split()[0])
                symbols.append(Symbol("enum", enum_name, since, where))
            elif kind in ("property", "macro", "variable", "typedef", "typealias"):
                name = arg.split()[0] if kind != "macro" else re.split(r"[\s(]", arg)[0]
                if kind == "macro" and not re.fullmatch(IDENT, name):
                    # "\macro void Q_ASSERT(bool test)" and the like: the name before '('.
                    m = re.search(r"(" + IDENT + r")\s*\(", arg)
                    name = m.group(1) if m else name
                symbols.append(Symbol(kind, strip_templates(name), since, where))

        if enum_name:
            scope = enum_name.rsplit("::", 1)[0] if "::" in enum_name else ""
            for command, value_since, value in values:
                value = value.rstrip(",.").split("::")[-1]
                if not re.fullmatch(IDENT, value):
                    continue
                v = parse_version(value_since) if value_since else since
                # Reached as Scope::Value (unscoped enums) and as Enum::Value (scoped ones).
                symbols.append(Symbol("enumvalue", f"{enum_name}::{value}", v, where))
                if scope:
                    symbols.append(Symbol("enumvalue", f"{scope}::{value}", v, where))
                for added in symbols[-2 if scope else -1:]:
                    added.enum = enum_name

    # "\fn bool remove(const std::filesystem::path &)" in qfile.cpp means QFile::remove: a
    # function documented without its class belongs to the class that has one of that name in
    # the same file.
    classes_of = defaultdict(set)
    for s in symbols:
        if s.kind == "function" and "::" in s.name:
            classes_of[s.short].add(s.scope)
    for s in symbols:
        if s.kind == "function" and "::" not in s.name and len(classes_of[s.name]) == 1:
            s.name = f"{next(iter(classes_of[s.name]))}::{s.name}"
    return symbols


def q_properties(qt_root, wanted):
    """The accessors that Q_PROPERTY declares for the properties wanted, by (class, name)."""
    found = defaultdict(set)
    wanted_names = {name for _, name in wanted}
    prop = re.compile(r"Q_PROPERTY\(([^)]*)\)")
    for dirpath, dirnames, filenames in os.walk(os.path.join(qt_root, "src")):
        dirnames[:] = [d for d in dirnames if d != "3rdparty"]
        for filename in filenames:
            if not filename.endswith(".h"):
                continue
            path = os.path.join(dirpath, filename)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            if "Q_PROPERTY" not in text:
                continue
            for m in prop.finditer(text):
                words = m.group(1).split()
                # The property's name is the word before the first keyword.
                keywords = {"READ", "WRITE", "NOTIFY", "RESET", "MEMBER", "BINDABLE",
                            "DESIGNABLE", "SCRIPTABLE", "STORED", "USER", "CONSTANT", "FINAL",
                            "REVISION", "REQUIRED"}
                idx = next((i for i, w in enumerate(words) if w in keywords), None)
                if idx is None or idx == 0:
                    continue
                name = words[idx - 1]
                if name not in wanted_names:
                    continue
                classes = re.findall(r"\bclass\s+(?:Q_\w+_EXPORT\s+)?(" + IDENT + r")\b[^;{]*\{",
                                     text[:m.start()])
                cls = classes[-1] if classes else ""
                accessors = {words[i + 1] for i, w in enumerate(words[:-1])
                             if w in ("READ", "WRITE", "NOTIFY", "RESET", "BINDABLE")}
                if (cls, name) in wanted:
                    found[(cls, name)] |= accessors
    return found


# --------------------------------------------------------------------------------------------
# The program

# Names that Qt brought with no \since in its documentation.
UNDOCUMENTED = {
    "QLatin1StringView": ((6, 4, 0), "src/corelib/text/qstringfwd.h, the new name of QLatin1String"),
}

# Names that the C++ class of a Qt type is also known by.
ALIASES = {"QLatin1String": "QLatin1StringView", "QLatin1StringView": "QLatin1String"}

QT_CHECK = re.compile(r"QT_VERSION\s*>=?\s*QT_VERSION_CHECK\s*\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)")


def strip_cpp(text):
    """The text with comments and the contents of string and character literals blanked, line
    breaks kept, so that positions still name the same lines."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            end = text.find(")" + m.group(1) + '"', i) if m else -1
            if m and end >= 0:
                end += len(m.group(1)) + 2
                out.append('R"' + re.sub(r"[^\n]", " ", text[i + 2:end - 1]) + '"')
                i = end
            else:
                out.append(c)
                i += 1
        elif c == '"' or (c == "'" and not (i and (text[i - 1].isalnum()))):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(c + " " * max(0, j - i - 2) + (c if j - i >= 2 else ""))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def guards(lines):
    """For each line, the least Qt version that an enclosing #if QT_VERSION >= ... promises, or
    None."""
    stack = []
    result = []
    for line in lines:
        m = re.match(r"\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*)", line)
        if m:
            directive, rest = m.group(1), m.group(2)
            if directive in ("if", "ifdef", "ifndef"):
                v = QT_CHECK.search(rest) if directive == "if" else None
                stack.append(tuple(int(x) for x in v.groups()) if v else None)
            elif directive in ("elif", "else") and stack:
                v = QT_CHECK.search(rest) if directive == "elif" else None
                stack[-1] = tuple(int(x) for x in v.groups()) if v else None
            elif directive == "endif" and stack:
                stack.pop()
        promised = [v for v in stack if v]
        result.append(max(promised) if promised else None)
    return result


def program_files(root):
    cpp, cmake = [], []
    for top in ("src", "tests", "tools", "bench"):
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, top)):
            for filename in filenames:
                path = os.path.join(dirpath, filename)
                if filename.endswith((".cpp", ".h", ".h.in")):
                    cpp.append(path)
                elif filename.endswith(".cmake") or filename == "CMakeLists.txt":
                    cmake.append(path)
    for filename in os.listdir(root):
        if filename.endswith(".cmake") or filename == "CMakeLists.txt":
            cmake.append(os.path.join(root, filename))
    return sorted(cpp), sorted(cmake)


def class_bases(texts):
    """Public base classes, by class, from C++ declarations in the given texts."""
    bases = defaultdict(list)
    decl = re.compile(r"\b(?:class|struct)\s+(?:Q_\w+_EXPORT\s+|Q_DECL_\w+\s+)*(" + IDENT +
                      r")\s*(?:final\s*)?:\s*([^{;]*)\{")
    for text in texts:
        for m in decl.finditer(text):
            for base in m.group(2).split(","):
                base = strip_templates(base).strip()
                parts = base.split()
                if not parts or parts[0] in ("private", "protected"):
                    continue
                name = parts[-1].split("::")[-1]
                if re.fullmatch(IDENT, name) and name not in bases[m.group(1)]:
                    bases[m.group(1)].append(name)
    return bases


def split_top(text, sep=","):
    """Splits at separators outside (), <>, [] and {}."""
    parts, depth, current = [], 0, []
    for c in text:
        if c in "([{<":
            depth += 1
        elif c in ")]}>" and depth:
            depth -= 1
        if c == sep and depth == 0:
            parts.append("".join(current))
            current = []
        else:
            current.append(c)
    parts.append("".join(current))
    return parts


def balanced(text, start):
    """The text inside the parentheses that open at text[start], or None."""
    depth = 0
    for i in range(start, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return text[start + 1:i]
    return None


INFINITE = 10 ** 6


STRINGS = re.compile(r"\b(QString|QStringView|QAnyStringView|QLatin1String|QLatin1StringView|"
                     r"QUtf8StringView|QByteArray|QByteArrayView)\b|\bchar\s*\*")
NUMBERS = re.compile(r"^(?:const\s+)?(?:unsigned\s+|signed\s+)?(int|uint|long|short|qreal|double|"
                     r"float|qsizetype|qint\d+|quint\d+|size_t|bool|char)\b(?!\s*\*)")


# What the documentation says of enums: the enums that have a value of each name, and the names
# of the enums and of their flags types ("Permission", "Permissions"; "OpenModeFlag", "OpenMode").
ENUMS_OF_VALUE = defaultdict(set)
ENUM_TYPES = set()


def learn_enums(symbols):
    for s in symbols:
        if s.kind == "enum":
            e = s.short
            ENUM_TYPES.update({e, e + "s"} | ({e[:-4], e[:-4] + "s"} if e.endswith("Flag") else set()))
        elif s.kind == "enumvalue" and s.enum:
            ENUMS_OF_VALUE[s.short].add(s.enum.rsplit("::", 1)[-1])


def parameter_kind(param):
    """What a parameter takes, roughly: "string", "number", "pointer", "type:<Name>" for any
    other type, or None where the script does not judge."""
    param = param.split("=", 1)[0]
    if STRINGS.search(param):
        return "string"
    if "*" in param:
        return "pointer"
    if NUMBERS.match(param.strip()):
        return "number"
    names = [n for n in re.findall(IDENT + r"(?!\s*::)", param) if n not in ("const", "volatile")]
    if len(names) >= 2:
        return "type:" + names[-2]
    if len(names) == 1:
        return "type:" + names[0]
    return None


def argument_kind(arg):
    """What an argument is, roughly: "string", "number", "null", a set of enum names, or None
    when the script cannot tell."""
    arg = arg.strip()
    if re.match(r'^(?:u8?|U|L)?R?"', arg) or re.match(r"^(?:QStringLiteral|QByteArrayLiteral|"
                                                       r"QLatin1String|QLatin1StringView|tr|"
                                                       r"QString|QStringView)\s*\(", arg):
        return "string"
    if re.fullmatch(r"-?\s*(?:0[xX][0-9a-fA-F']+|\d[\d']*\.?\d*(?:[eE][-+]?\d+)?)[uUlLfF]*", arg):
        return "number"
    if arg == "nullptr":
        return "null"
    if re.fullmatch(r"(?:" + IDENT + r"::)+[A-Z]\w*", arg):
        return frozenset(ENUMS_OF_VALUE.get(arg.rsplit("::", 1)[-1], ())) or None
    return None


def compatible(arg, param):
    """Whether an argument may be passed for a parameter. In doubt, yes: a class may take a
    string or an enum through a constructor, and the script does not look."""
    if arg is None or param is None:
        return True
    enum_param = param.startswith("type:") and param[5:] in ENUM_TYPES
    if isinstance(arg, frozenset):
        if param == "number":
            return True
        if enum_param:
            name = param[5:]
            return any(name in (e, e + "s") or (e.endswith("Flag") and name in (e[:-4], e[:-4] + "s"))
                       for e in arg)
        return param.startswith("type:") and not enum_param
    if arg == "null":
        return param in ("pointer", "string")
    if param.startswith("type:"):
        return not enum_param
    return arg == param


def signature_arity(signature, short, from_definition):
    """The least and the most arguments a documented overload takes, and the kinds of its
    parameters."""
    if short.startswith("operator"):
        return 0, INFINITE, []
    m = re.search(r"\b" + re.escape(short) + r"\s*\(", strip_templates(signature))
    if not m:
        return 0, INFINITE, []
    inside = balanced(strip_templates(signature), m.end() - 1)
    if inside is None:
        return 0, INFINITE, []
    params = [p.strip() for p in split_top(inside)]
    if params in ([""], ["void"]):
        return 0, 0, []
    variadic = any("..." in p for p in params)
    defaults = [i for i, p in enumerate(params) if "=" in p]
    # A definition in a .cpp file leaves the defaults out: any number up to all may have one.
    least = 0 if from_definition else (defaults[0] if defaults else len(params))
    most = INFINITE if variadic else len(params)
    if variadic:
        least = min(least, len(params) - 1)
    return least, most, [None if "..." in p else parameter_kind(p) for p in params]


def call_arguments(text, end):
    """The arguments of a call whose name ends at text[end], or None when the name is not
    called there."""
    i = end
    while i < len(text) and text[i] in " \t\n":
        i += 1
    if i < len(text) and text[i] == "<":  # name<T>(...)
        depth = 0
        for j in range(i, min(len(text), i + 200)):
            depth += text[j] == "<"
            depth -= text[j] == ">"
            if depth == 0:
                i = j + 1
                break
        while i < len(text) and text[i] in " \t\n":
            i += 1
    if i >= len(text) or text[i] not in "({":
        return None
    if text[i] == "{":
        return None
    inside = balanced(text, i)
    if inside is None:
        return None
    args = [a.strip() for a in split_top(inside)]
    return [] if args == [""] else args


KEYWORDS = {"return", "new", "delete", "else", "case", "throw", "co_return", "typename", "class",
            "struct", "const", "auto", "using", "namespace", "goto", "sizeof", "alignof",
            "decltype", "static_cast", "reinterpret_cast", "const_cast", "dynamic_cast",
            "operator", "template", "public", "private", "protected", "emit"}
POINTERS = {"unique_ptr", "shared_ptr", "weak_ptr", "QPointer", "QScopedPointer",
            "QSharedPointer", "QWeakPointer", "optional"}


def declared_type(texts, variable):
    """The type a variable is declared with, from the last declaration that names it, or None."""
    decl = re.compile(r"(?<![\w.>])((?:" + IDENT + r"\s*::\s*)*" + IDENT +
                      r")\s*(<[^;(){}]*?>)?\s*(?:const\s*)?[*&]*\s*(?:const\s+)?\b" +
                      re.escape(variable) + r"\b\s*(?=[=;,(){\[:]|$)", re.M)
    for text in texts:
        found = None
        for m in decl.finditer(text):
            name = m.group(1).split("::")[-1].strip()
            if name in KEYWORDS or name == variable:
                continue
            found = (name, m.group(2))
        if found:
            name, args = found
            if name == "auto":
                return None
            if name in POINTERS and args:
                inner = re.findall(IDENT, args)
                return inner[-1] if inner else None
            return name
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--qt", required=True, help="the Qt source tree (qtbase)")
    parser.add_argument("--root", required=True, help="the program's source tree")
    parser.add_argument("--newer-than", default="6.2",
                        help="the Qt version the program must build with (default 6.2)")
    parser.add_argument("--label", default="", help="what to call the Qt sources in the output")
    args = parser.parse_args()
    base = parse_version(args.newer_than)
    if not base:
        parser.error("--newer-than takes a version such as 6.2")

    def newer(v):
        # Newer than 6.2 is 6.3 or later: a 6.2.x patch release is 6.2.
        return v is not None and v[:2] > base[:2]

    symbols = read_qt_docs(args.qt)
    learn_enums(symbols)

    # Nothing in a class that came with 6.3 is older than 6.3.
    class_since = {}
    for s in symbols:
        if s.kind in ("class", "struct", "namespace") and s.since:
            class_since[s.name] = max(s.since, class_since.get(s.name, s.since))
    for s in symbols:
        cs = class_since.get(s.scope)
        if cs and s.kind not in ("class", "struct", "namespace"):
            s.since = max(s.since or cs, cs)

    # Names Qt brought without a \since: their members are as old as the documentation says.
    for name, (version, where) in UNDOCUMENTED.items():
        symbols.append(Symbol("class", name, version, where))

    functions = defaultdict(list)   # Class::name or name -> overloads
    others = defaultdict(list)      # any other documented name -> symbols
    for s in symbols:
        if s.kind == "function":
            s.least, s.most, s.kinds = signature_arity(s.signature, s.short, s.from_definition)
            functions[s.name].append(s)
        else:
            others[s.name].append(s)

    # A newer property is used through its accessors, which the property's documentation covers.
    new_props = {(s.scope, s.short) for ss in others.values() for s in ss
                 if s.kind == "property" and newer(s.since)}
    for (cls, name), accessors in q_properties(args.qt, new_props).items():
        prop = next(s for s in others[f"{cls}::{name}"] if s.kind == "property")
        for a in accessors:
            if f"{cls}::{a}" not in functions:
                accessor = Symbol("function", f"{cls}::{a}", prop.since, prop.where,
                                  f"an accessor of the property {cls}::{name}")
                accessor.least, accessor.most, accessor.kinds = 0, INFINITE, []
                functions[accessor.name].append(accessor)

    with_qt_headers = []
    for dirpath, dirnames, filenames in os.walk(os.path.join(args.qt, "src")):
        dirnames[:] = [d for d in dirnames if d != "3rdparty"]
        for filename in filenames:
            if filename.endswith(".h") and not filename.endswith("_p.h"):
                with open(os.path.join(dirpath, filename), encoding="utf-8",
                          errors="replace") as f:
                    with_qt_headers.append(f.read())
    bases = class_bases(with_qt_headers)
    del with_qt_headers

    members_by_short = defaultdict(list)
    for name, overloads in functions.items():
        members_by_short[overloads[0].short].extend(overloads)
    known_words = {name.rsplit("::", 1)[-1] for name in list(functions) + list(others)}

    cpp_files, cmake_files = program_files(args.root)
    sources = {}
    for path in cpp_files:
        with open(path, encoding="utf-8", errors="replace") as f:
            raw = f.read()
        sources[path] = (raw, strip_cpp(raw))
    for cls, bs in class_bases(text for _, text in sources.values()).items():
        for b in bs:
            if b not in bases[cls]:
                bases[cls].append(b)
    # Functions the program declares itself: a bare call to one of them is no call of Qt's.
    own_functions = set()
    own_decl = re.compile(r"^[ \t]*(?:(?:static|inline|virtual|constexpr|explicit|friend|"
                          r"Q_INVOKABLE)\s+)*[\w:<>,]+[\s*&]+(?:" + IDENT + r"::)*(" + IDENT +
                          r")\s*\(", re.M)
    for _, text in sources.values():
        own_functions.update(own_decl.findall(text))

    def lineage(cls):
        seen, queue = [], [ALIASES.get(cls, cls), cls]
        while queue:
            c = queue.pop(0)
            if c in seen:
                continue
            seen.append(c)
            queue.extend(bases.get(c, []))
        return seen

    def resolve(cls, short):
        """The overloads a call of cls::short may be, the nearest class that has any hiding the
        rest, as C++ does."""
        for c in lineage(cls):
            if f"{c}::{short}" in functions:
                return functions[f"{c}::{short}"]
        return []

    def takes(overload, arguments):
        if not overload.least <= len(arguments) <= overload.most:
            return False
        return all(compatible(argument_kind(a), k)
                   for a, k in zip(arguments, overload.kinds))

    def judge(overloads, arguments):
        """The newer overloads that the use must be, or [] when an older one would do: by the
        number of arguments, and where the script can tell, by whether they are strings,
        numbers or pointers."""
        if not overloads:
            return []
        if arguments is None:
            return overloads if all(newer(o.since) for o in overloads) else []
        fits = [o for o in overloads if takes(o, arguments)]
        if any(not newer(o.since) for o in fits):
            return []
        return [o for o in fits if newer(o.since)]

    uses = []   # (key, overloads or symbols, path, line, guard, note)
    ident = re.compile(IDENT)
    top_kinds = {"class", "struct", "namespace", "macro", "typedef", "typealias", "variable"}
    for path, (raw, text) in sources.items():
        guard = guards(raw.splitlines())
        rel = os.path.relpath(path, args.root)
        companion = os.path.splitext(path)[0] + ".h"
        texts_for_types = [text]
        if companion != path and companion in sources:
            texts_for_types.append(sources[companion][1])
        line_starts = [0] + [i + 1 for i, c in enumerate(text) if c == "\n"]
        # Where each member function of the file's own classes begins: a call without an object
        # inside one is a call of that class's member, maybe one it has from a Qt class.
        definitions = [(d.start(), d.group(1)) for d in re.finditer(
            r"\b(" + IDENT + r")::~?" + IDENT + r"\s*\([^;{}]*\)\s*(?:const\s*)?(?:noexcept\s*)?"
            r"(?::[^;{]*)?\{", text)]
        # And the classes the file declares, for members defined in their bodies.
        bodies = [(d.start(), d.group(1)) for d in re.finditer(
            r"\b(?:class|struct)\s+(" + IDENT + r")\b[^;{]*\{", text)]

        def enclosing_class(pos):
            starts = sorted((start, c) for start, c in definitions + bodies if start < pos)
            return starts[-1][1] if starts and bases.get(starts[-1][1]) else None

        def line_of(pos):
            lo, hi = 0, len(line_starts) - 1
            while lo < hi:
                mid = (lo + hi + 1) // 2
                if line_starts[mid] <= pos:
                    lo = mid
                else:
                    hi = mid - 1
            return lo + 1

        for m in ident.finditer(text):
            word = m.group(0)
            if word not in known_words:
                continue
            before = text[max(0, m.start() - 300):m.start()].rstrip()
            qualifier = None
            if before.endswith("::"):
                q = re.search(r"(" + IDENT + r")\s*(?:<[^<>]*>)?\s*::$", before)
                qualifier = q.group(1) if q else ""
            member = before.endswith(".") or before.endswith("->")
            line = line_of(m.start())
            g = guard[line - 1] if line - 1 < len(guard) else None
            arguments = call_arguments(text, m.end())
            found, note = [], ""

            if qualifier:
                for c in lineage(qualifier):
                    key = f"{c}::{word}"
                    if key in others:
                        found = [s for s in others[key] if newer(s.since)]
                        break
                    if key in functions:
                        found = judge(resolve(qualifier, word), arguments)
                        break
            elif member:
                receiver = re.search(r"(" + IDENT + r")\s*(?:\.|->)$", before)
                cls = declared_type(texts_for_types, receiver.group(1)) if receiver else None
                if cls and cls != "this":
                    found = judge(resolve(cls, word), arguments)
                    if found:
                        note = f"on {receiver.group(1)}, a {cls}"
                elif word in members_by_short and arguments is not None:
                    found = judge(members_by_short[word], arguments)
                    if found:
                        note = "whose object's class the script cannot tell"
            else:
                if word in others and not before.endswith(("class", "struct")):
                    found = [s for s in others[word] if newer(s.since) and s.kind in top_kinds]
                if not found and word in functions and arguments is not None:
                    found = judge(functions[word], arguments)
                if not found and word in members_by_short and arguments is not None:
                    cls = enclosing_class(m.start())
                    if cls:
                        found = judge(resolve(cls, word), arguments)
                        if found:
                            note = f"in a member of {cls}"
                    elif word not in own_functions:
                        found = judge(members_by_short[word], arguments)
                        if found:
                            note = "a call without an object, of a member of a base class maybe"
            if found:
                uses.append((found[0].name, found, rel, line, g, note))

    for path in cmake_files:
        with open(path, encoding="utf-8", errors="replace") as f:
            raw = f.read()
        rel = os.path.relpath(path, args.root)
        for number, line in enumerate(raw.splitlines(), 1):
            code = line.split("#", 1)[0]
            for m in re.finditer(IDENT, code):
                for key in (m.group(0), m.group(0).lower()):
                    found = [s for s in others.get(key, [])
                             if s.kind.startswith("cmake") and newer(s.since)]
                    if found:
                        uses.append((key, found, rel, number, None, ""))
                        break

    # The report: each name once, with its newer overloads that some use must be.
    table = {}
    for key, found, rel, line, g, note in uses:
        entry = table.setdefault(key, {"symbols": [], "unguarded": [], "guarded": []})
        for s in found:
            if s not in entry["symbols"]:
                entry["symbols"].append(s)
        version = min(s.since for s in found)
        where = (rel, line, note, g)
        bucket = "guarded" if g and g[:2] >= version[:2] else "unguarded"
        if where not in entry[bucket]:
            entry[bucket].append(where)

    def version_of(key):
        return min(s.since for s in table[key]["symbols"])

    def show(key, bucket):
        entry = table[key]
        symbols = entry["symbols"]
        kinds = sorted({s.kind for s in symbols})
        print(f"\n  {key}  ({', '.join(kinds)}, Qt {show_version(version_of(key))})")
        for s in symbols:
            what = s.signature if s.signature else key
            print(f"      {what}  [since {show_version(s.since)}: {s.where}]")
        for rel, line, note, g in entry[bucket]:
            extra = f"  ({note})" if note else ""
            if g:
                extra += f"  [behind Qt >= {show_version(g)}]"
            print(f"      used at {rel}:{line}{extra}")

    unguarded = sorted((k for k in table if table[k]["unguarded"]),
                       key=lambda k: (version_of(k), k))
    guarded = sorted((k for k in table if table[k]["guarded"]), key=lambda k: (version_of(k), k))
    label = f" ({args.label})" if args.label else ""
    total = sum(1 for ss in list(functions.values()) + list(others.values())
                for s in ss if newer(s.since))
    print(f"Qt{label} documents {total} names as newer than {args.newer_than}.")
    print(f"Used by the program without a guard:")
    if not unguarded:
        print("\n  none")
    for key in unguarded:
        show(key, "unguarded")
    if guarded:
        print(f"\nUsed behind #if QT_VERSION >= QT_VERSION_CHECK(...), beside an older path:")
        for key in guarded:
            show(key, "guarded")
    print(f"\n{len(unguarded)} newer names used without a guard, {len(guarded)} behind one.")
    return 1 if unguarded else 0


if __name__ == "__main__":
    sys.exit(main())
