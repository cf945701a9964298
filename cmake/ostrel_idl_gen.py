# omniidl back-end: what follows from an IDL file, as C++ headers beside the
# stubs. Run by ostrel_idl_library (OstrelIdl.cmake) as
#
#   omniidl -p <this dir> -bostrel_idl_gen [-Wbaccessors] -C<gendir> <file>.idl
#
# and writes, for <file>.idl:
#
#   <file>_idl.h     per struct and union its WireTexts (which texts hold a
#                    date, a fixed-point number or a time stamp, and where to
#                    look further) and its Fields (every member: name,
#                    position, member pointer, kind); per interface, in
#                    namespace ostrel::ops, one descriptor per operation
#                    (name, parameters with direction and kind, result kind,
#                    the stub's member function) and the list of them all.
#   <file>_fields.h  with -Wbaccessors: per struct an accessor mixin
#                    <Struct>Fields<Base> with Get/Set of every plain member.
#
# A text's kind is its typedef: com::ostrel::serverbase::DateText, FixedText
# and StampText, through any chain of typedefs; any other string is plain.
import os
import re
import sys

from omniidl import idlast, idltype

TEXT_TYPEDEFS = {
    ("com", "ostrel", "serverbase", "DateText"): "kDate",
    ("com", "ostrel", "serverbase", "FixedText"): "kFixed",
    ("com", "ostrel", "serverbase", "StampText"): "kTimestamp",
}
WIRE_ENTRY = {"kDate": "Date", "kFixed": "Fixed", "kTimestamp": "Timestamp"}
FIELD_KIND = {"kDate": "kDate", "kFixed": "kFixed", "kTimestamp": "kStamp"}


class GenError(Exception):
    pass


def cxx_name(scoped):
    return "::" + "::".join(scoped)


def text_kind(t):
    """kDate, kFixed, kTimestamp for a text typedef (followed through
    aliases), None otherwise."""
    while t.kind() == idltype.tk_alias:
        decl = t.decl()
        key = tuple(decl.scopedName())
        if key in TEXT_TYPEDEFS:
            return TEXT_TYPEDEFS[key]
        t = decl.alias().aliasType()
    return None


def unalias(t):
    while t.kind() == idltype.tk_alias:
        t = t.decl().alias().aliasType()
    return t


def field_kind(t):
    """The kind of a member, parameter or result, as ostrel::idl::Kind."""
    tk = text_kind(t)
    if tk:
        return FIELD_KIND[tk]
    u = unalias(t)
    k = u.kind()
    return {
        idltype.tk_void: "kVoid",
        idltype.tk_string: "kString",
        idltype.tk_wstring: "kWString",
        idltype.tk_long: "kLong",
        idltype.tk_boolean: "kBoolean",
        idltype.tk_enum: "kEnum",
        idltype.tk_struct: "kStruct",
        idltype.tk_union: "kUnion",
        idltype.tk_sequence: "kSequence",
        idltype.tk_objref: "kObject",
    }.get(k, "kOther")


def enum_count(t):
    u = unalias(t)
    if u.kind() == idltype.tk_enum:
        return len(u.decl().enumerators())
    return 0


def seq_element(t):
    u = unalias(t)
    return u.seqType() if u.kind() == idltype.tk_sequence else None


class Model:
    """Which structs and unions hold a text, transitively."""

    def __init__(self):
        self.memo = {}

    def holds_text(self, t):
        if text_kind(t):
            return True
        u = unalias(t)
        k = u.kind()
        if k == idltype.tk_sequence:
            return self.holds_text(u.seqType())
        if k in (idltype.tk_struct, idltype.tk_union):
            decl = u.decl()
            key = tuple(decl.scopedName())
            if key not in self.memo:
                self.memo[key] = False  # recursion guard
                if k == idltype.tk_struct:
                    types = [m.memberType() for m in decl.members()]
                else:
                    types = [c.caseType() for c in decl.cases()]
                self.memo[key] = any(self.holds_text(x) for x in types)
            return self.memo[key]
        return False


def collect(decls, out):
    for d in decls:
        if not d.mainFile():
            continue
        if isinstance(d, idlast.Module):
            collect(d.definitions(), out)
        elif isinstance(d, (idlast.Struct, idlast.Union, idlast.Interface)):
            out.append(d)
        # Constructed types declared inside a member (struct { union ... })
        # do not occur in this project's IDL.


def members_of(struct):
    for m in struct.members():
        for dc in m.declarators():
            if dc.sizes():
                raise GenError("%s: arrays are not supported" % dc.identifier())
            yield dc.identifier(), m.memberType()


def label_value(label, switch_type):
    v = label.value()
    u = unalias(switch_type)
    if u.kind() == idltype.tk_boolean:
        return "true" if v else "false"
    if u.kind() == idltype.tk_enum:
        return cxx_name(v.scopedName())
    if u.kind() == idltype.tk_char:
        return repr(v)
    return str(v)


# --- <file>_idl.h -----------------------------------------------------------


def case_access(union, case, index):
    """A struct with Selected/Select/Get for one case of a union."""
    name = case.declarator().identifier()
    own = [label_value(l, union.switchType()) for l in case.labels() if not l.default()]
    others = [
        label_value(l, union.switchType())
        for c in union.cases()
        if c is not case
        for l in c.labels()
        if not l.default()
    ]
    is_default = any(l.default() for l in case.labels())
    if is_default:
        cond = " && ".join("u._d() != %s" % v for v in others) or "true"
        if own:
            cond = "(%s) || %s" % (cond, " || ".join("u._d() == %s" % v for v in own))
    else:
        cond = " || ".join("u._d() == %s" % v for v in own)
    value = case_default(case.caseType())
    return [
        "  struct Case%d {  // %s" % (index, name),
        "    static bool Selected(U const& u) { return %s; }" % cond,
        "    static void Select(U& u) { u.%s(%s); }" % (name, value),
        "    template <class V>",
        "    static auto& Get(V& u) { return u.%s(); }" % name,
        "  };",
    ]


def case_default(t):
    """A value-initialised value of a union case's type."""
    u = unalias(t)
    k = u.kind()
    if k in (idltype.tk_struct, idltype.tk_union, idltype.tk_enum):
        return cxx_name(u.decl().scopedName()) + "{}"
    if k == idltype.tk_sequence and t.kind() == idltype.tk_alias:
        return cxx_name(t.decl().scopedName()) + "{}"
    simple = {
        idltype.tk_long: "::CORBA::Long{}",
        idltype.tk_boolean: "::CORBA::Boolean{}",
        idltype.tk_string: '""',
        idltype.tk_wstring: 'L""',
    }
    if k in simple:
        return simple[k]
    raise GenError("a union case of type kind %d is not supported" % k)


def wire_texts_struct(model, s):
    name = cxx_name(s.scopedName())
    entries = []
    for ident, t in members_of(s):
        tk = text_kind(t)
        if tk:
            entries.append('wire::%s<&S::%s>{"%s"}' % (WIRE_ENTRY[tk], ident, ident))
            continue
        if not model.holds_text(t):
            continue
        u = unalias(t)
        if u.kind() in (idltype.tk_struct, idltype.tk_union):
            entries.append('wire::Nested<&S::%s>{"%s"}' % (ident, ident))
        elif u.kind() == idltype.tk_sequence:
            el = unalias(u.seqType())
            if el.kind() not in (idltype.tk_struct, idltype.tk_union):
                raise GenError("%s::%s: a sequence of texts is not supported" % (name, ident))
            entries.append('wire::NestedSeq<&S::%s>{"%s"}' % (ident, ident))
    out = ["template <>", "struct WireTexts<%s> {" % name]
    if entries:
        out.append("  using S = %s;" % name)
        out.append("  static constexpr auto kMembers = std::make_tuple(")
        out.append(",\n".join("      " + e for e in entries) + ");")
    else:
        out.append("  static constexpr auto kMembers = std::make_tuple();")
    out.append("};")
    return out


def wire_texts_union(model, un):
    name = cxx_name(un.scopedName())
    out = ["template <>", "struct WireTexts<%s> {" % name, "  using U = %s;" % name]
    entries = []
    for i, c in enumerate(un.cases()):
        t = c.caseType()
        if text_kind(t):
            raise GenError(
                "%s::%s: a text directly in a union case is not supported"
                % (name, c.declarator().identifier())
            )
        if not model.holds_text(t):
            continue
        out += case_access(un, c, i)
        u = unalias(t)
        entry = "CaseNested" if u.kind() in (idltype.tk_struct, idltype.tk_union) else "CaseNestedSeq"
        entries.append('wire::%s<Case%d>{"%s"}' % (entry, i, c.declarator().identifier()))
    if entries:
        out.append("  static constexpr auto kMembers = std::make_tuple(")
        out.append(",\n".join("      " + e for e in entries) + ");")
    else:
        out.append("  static constexpr auto kMembers = std::make_tuple();")
    out.append("};")
    return out


def field_entry(ident, t, pos, access="&S::%s"):
    kind = field_kind(t)
    el = seq_element(t)
    el_kind = field_kind(el) if el is not None else "kVoid"
    count = enum_count(el if el is not None else t)
    return 'idl::Field<%s, idl::Kind::%s, %d, idl::Kind::%s>{"%s", %d}' % (
        access % ident,
        kind,
        count,
        el_kind,
        ident,
        pos,
    )


def fields_struct(s):
    name = cxx_name(s.scopedName())
    entries = [field_entry(ident, t, i) for i, (ident, t) in enumerate(members_of(s))]
    out = ["template <>", "struct Fields<%s> {" % name, "  using S = %s;" % name]
    out.append("  static constexpr auto kMembers = std::make_tuple(")
    out.append(",\n".join("      " + e for e in entries) + ");")
    out.append("};")
    return out


def fields_union(un):
    name = cxx_name(un.scopedName())
    out = ["template <>", "struct Fields<%s> {" % name, "  using U = %s;" % name]
    entries = []
    for i, c in enumerate(un.cases()):
        out += case_access(un, c, i)
        t = c.caseType()
        kind = field_kind(t)
        el = seq_element(t)
        el_kind = field_kind(el) if el is not None else "kVoid"
        count = enum_count(el if el is not None else t)
        entries.append(
            'idl::Case<Case%d, idl::Kind::%s, %d, idl::Kind::%s>{"%s", %d}'
            % (i, kind, count, el_kind, c.declarator().identifier(), i)
        )
    out.append("  static constexpr auto kMembers = std::make_tuple(")
    out.append(",\n".join("      " + e for e in entries) + ");")
    out.append("};")
    return out


def operations(iface):
    stub = "::" + "::".join(iface.scopedName()[:-1] + ["_objref_" + iface.identifier()])
    if len(iface.scopedName()) == 1:
        stub = "::_objref_" + iface.identifier()
    out = [
        "// %s, in declaration order." % "::".join(iface.scopedName()),
        "struct %s {" % iface.identifier(),
        "  using Stub = %s;" % stub,
    ]
    names = []
    for op in iface.callables():
        if isinstance(op, idlast.Attribute):
            raise GenError("%s: attributes are not supported" % iface.identifier())
        n = op.identifier()
        names.append(n)
        params = []
        for p in op.parameters():
            d = {0: "kIn", 1: "kOut", 2: "kInOut"}[p.direction()]
            params.append(
                '{"%s", idl::Dir::%s, idl::Kind::%s}' % (p.identifier(), d, field_kind(p.paramType()))
            )
        out.append("  struct %s {" % n)
        out.append('    static constexpr char kName[] = "%s";' % n)
        out.append("    static constexpr idl::Kind kResult = idl::Kind::%s;" % field_kind(op.returnType()))
        if params:
            out.append("    static constexpr idl::Param kParams[] = {")
            out.append(",\n".join("        " + p for p in params) + "};")
        else:
            out.append("    static constexpr idl::Param const* kParams = nullptr;")
        out.append("    static constexpr int kParamCount = %d;" % len(params))
        out.append("    static constexpr auto kStub = &Stub::%s;" % n)
        out.append("  };")
    out.append("  // Every operation, as descriptors and as types.")
    if names:
        out.append("  static constexpr idl::Operation kOperations[] = {")
        out.append(",\n".join("      idl::Describe<%s>()" % n for n in names) + "};")
    else:
        out.append("  static constexpr idl::Operation const* kOperations = nullptr;")
    out.append("  static constexpr int kOperationCount = %d;" % len(names))
    out.append("  using All = std::tuple<%s>;" % ", ".join(names))
    out.append("};")
    return out


# --- <file>_fields.h --------------------------------------------------------


def stem(ident):
    return ident[0].upper() + ident[1:]


# Per kind of member: getter type, how the getter reads the member, setter
# parameter type (None: no setter).
ACCESSOR_TYPES = {
    "kDate": ("base::VDate", "field::Date(%s)", "base::VDate const&"),
    "kFixed": ("base::VFixed", "field::Fixed(%s)", "base::VFixed const&"),
    "kStamp": ("base::VDateTime", "base::VDateTime(%s.in())", None),
    "kString": ("std::string", "field::Text(%s)", "std::string const&"),
    "kWString": ("std::wstring", "field::Wide(%s)", "std::wstring const&"),
    "kBoolean": ("bool", "%s", "bool"),
    "kLong": ("long", "field::Long(%s)", "long"),
}


def accessors(s):
    """One-line accessors of the plain members of a struct."""
    lines = []
    for ident, t in members_of(s):
        kind = field_kind(t)
        if kind == "kEnum":
            et = cxx_name(unalias(t).decl().scopedName())
            types = (et, "%s", et)
        elif kind in ACCESSOR_TYPES:
            types = ACCESSOR_TYPES[kind]
        else:
            continue  # structs, sequences, unions: written by hand
        getter, read, setter = types
        st = stem(ident)
        v = "this->Value().%s" % ident
        lines.append("  %s Get%s() const { return %s; }" % (getter, st, read % v))
        if setter:
            lines.append("  void Set%s(%s v) { field::Set(%s, v); }" % (st, setter, v))
    return lines


def mixin(s):
    name = s.identifier()
    full = cxx_name(s.scopedName())
    body = accessors(s)
    out = [
        "/// Get<Member> and Set<Member> of every plain member of %s" % name,
        "/// (%s), the member's first letter upper-cased." % full[2:],
        "/// Base is a business object over the struct (RecordPart, BO, PyBO).",
        "template <class Base>",
        "class %sFields : public Base {" % name,
        " public:",
        "  using Base::Base;",
    ]
    return out + body + ["};"]


# --- files ------------------------------------------------------------------


def includes_of(tree):
    """The IDL files the main file includes (directly or not), by base name,
    in the order they declare things."""
    names = []
    for d in tree.declarations():
        if d.mainFile():
            continue
        name = os.path.splitext(os.path.basename(d.file()))[0]
        if name not in names and not name.startswith("orb"):
            names.append(name)
    return names


def guard(base, suffix):
    return "OSTREL_GEN_%s_%s_" % (re.sub(r"\W", "_", base).upper(), suffix)


def write(path, text):
    # Rewrite only on change, so that dependants do not rebuild needlessly.
    if os.path.exists(path):
        with open(path) as f:
            if f.read() == text:
                return
    with open(path, "w") as f:
        f.write(text)


def run(tree, args):
    with_accessors = "accessors" in args
    outdir = "."
    for a in args:
        if a.startswith("outdir="):
            outdir = a[len("outdir=") :]
    src = tree.file()
    base = os.path.splitext(os.path.basename(src))[0]
    decls = []
    collect(tree.declarations(), decls)
    model = Model()
    try:
        idl_h = idl_header(tree, base, decls, model)
        fields_h = fields_header(src, base, decls) if with_accessors else None
    except GenError as e:
        sys.stderr.write("%s: %s\n" % (src, e))
        sys.exit(1)
    write(os.path.join(outdir, base + "_idl.h"), idl_h)
    if fields_h is not None:
        write(os.path.join(outdir, base + "_fields.h"), fields_h)


def idl_header(tree, base, decls, model):
    g = guard(base, "IDL_H")
    out = [
        "// Generated from %s.idl by cmake/ostrel_idl_gen.py: do not edit." % base,
        "#ifndef " + g,
        "#define " + g,
        "",
        "#include <tuple>",
        "",
        '#include "%s.hh"' % base,
    ]
    out += ['#include "%s_idl.h"' % i for i in includes_of(tree)]
    out += ['#include "idl_model.h"', '#include "wire_texts.h"', "", "namespace ostrel {", ""]
    for d in decls:
        if isinstance(d, idlast.Struct):
            out += wire_texts_struct(model, d) + fields_struct(d) + [""]
        elif isinstance(d, idlast.Union):
            out += wire_texts_union(model, d) + fields_union(d) + [""]
    ifaces = [d for d in decls if isinstance(d, idlast.Interface)]
    if ifaces:
        out.append("namespace ops {")
        out.append("")
        for i in ifaces:
            out += operations(i) + [""]
        out.append("}  // namespace ops")
        out.append("")
    out += ["}  // namespace ostrel", "", "#endif  // " + g, ""]
    return "\n".join(out)


def fields_header(src, base, decls):
    g = guard(base, "FIELDS_H")
    out = [
        "// Generated from %s.idl by cmake/ostrel_idl_gen.py: do not edit." % base,
        "#ifndef " + g,
        "#define " + g,
        "",
        "#include <string>",
        "",
        '#include "%s.hh"' % base,
        '#include "field.h"',
        '#include "vdate.h"',
        '#include "vdatetime.h"',
        '#include "vfixed.h"',
        "",
        "namespace ostrel {",
        "",
    ]
    for d in decls:
        if isinstance(d, idlast.Struct):
            out += mixin(d) + [""]
    out += ["}  // namespace ostrel", "", "#endif  // " + g, ""]
    return "\n".join(out)
