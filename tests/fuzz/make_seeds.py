#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed corpora of the fuzz targets (tests/fuzz/<target>/seeds/). Standard Python only;
# the outputs are committed, run it again after changing it: python3 tests/fuzz/make_seeds.py
import math
import os
import shutil
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DBL_MAX = sys.float_info.max


def write_corpus(target, seeds):
    folder = os.path.join(HERE, target, "seeds")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, data in seeds:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


# Field texts: the forms the windows accept and some they refuse.
NUMBER_TEXTS = [
    ("integer", b"100"),
    ("exponent", b"1,7e-5"),
    ("blanks_sign", b" -0,0032 "),
    ("tabs", b"\t100\t"),
    ("too_large", b"1e400"),
    ("too_small", b"-1e-400"),
    ("point", b"12.5"),
    ("empty", b""),
    ("comma_only_fraction", b",5"),
    ("comma_last", b"5,"),
    ("exponent_plus", b"1E+2"),
    ("leading_zeros", b"007"),
    ("plus", b"+5"),
    ("grouped", b"1 000"),
    ("two_commas", b"1,2,3"),
    ("hex", b"0x10"),
    ("nan", b"nan"),
    ("inf", b"-INF"),
    ("exponent_cut", b"1e+"),
    ("largest", b"1,7976931348623157e308"),
    ("largest_rounded", b"1,7977E+0308"),
    ("smallest_subnormal", b"4,9406564584124654E-0324"),
    ("result_field", b"18,90"),
    ("half", b"0,125"),
    ("long_mantissa", b"0," + b"3" * 60 + b"e-300"),
    ("slovak_text", "12,5 °C".encode("utf-8")),
]


def number_format_seed(value, precision, decimals, flags, prefix=b""):
    """8 bytes of the double, precision byte (1 + b % 22), decimals byte (b % 13), flags, prefix."""
    return struct.pack("<dBBB", value, precision - 1, decimals, flags) + prefix


# Values with delicate roundings, in the formats the program uses.
NUMBER_FORMAT_SEEDS = [
    ("stored_below_half", number_format_seed(2.675, 10, 2, 0)),
    ("exact_half", number_format_seed(0.125, 10, 2, 0)),
    ("negative_half", number_format_seed(-2.5, 10, 0, 0)),
    ("carry", number_format_seed(9.9996, 10, 3, 0)),
    ("exponent_switch", number_format_seed(999999.5, 6, 2, 0)),
    ("table_exponent", number_format_seed(1.589e-5, 8, 3, 0)),
    ("negative_to_zero", number_format_seed(-0.0004, 10, 3, 0)),
    ("negative_zero", number_format_seed(-0.0, 6, 4, 0)),
    ("grouped_nbsp", number_format_seed(1234567.5, 6, 9, 2)),
    ("point_separator", number_format_seed(2.5, 6, 3, 1)),
    ("general_fifteen", number_format_seed(20.299999237060547, 15, 9, 0)),
    ("large", number_format_seed(1e300, 6, 2, 0)),
    ("largest", number_format_seed(DBL_MAX, 5, 1, 0)),
    ("largest_17", number_format_seed(DBL_MAX, 17, 12, 0)),
    ("smallest_subnormal", number_format_seed(5e-324, 5, 12, 0)),
    ("precision_22", number_format_seed(123456789012345678901234.0, 22, 12, 0)),
    ("infinity", number_format_seed(math.inf, 8, 2, 0)),
    ("nan", number_format_seed(math.nan, 8, 2, 0)),
    ("append_to_line", number_format_seed(18.9044864, 8, 6, 0, b"12,000000;")),
    # Value made from the bytes (flags bits 2..4): a binary fraction, a decimal, near DBL_MAX, a
    # power of ten, a subnormal.
    ("mode_fraction", number_format_seed(struct.unpack("<d", struct.pack("<q", (5 << 24) | 1))[0], 10, 1, 1 << 2)),
    ("mode_decimal", number_format_seed(struct.unpack("<d", struct.pack("<Q", (8 << 56) | (333 << 40) | 9999995))[0],
                                        6, 2, 2 << 2)),
    ("mode_largest", number_format_seed(0.0, 5, 0, 3 << 2)),
    ("mode_power_of_ten", number_format_seed(struct.unpack("<d", struct.pack("<Q", (127 << 16) | 330))[0],
                                             15, 12, 4 << 2)),
    ("mode_subnormal", number_format_seed(struct.unpack("<d", struct.pack("<Q", 0x000FFFFFFFFFFFFF))[0],
                                          17, 0, 5 << 2)),
]


def kelo_record(values, name):
    """A KELO file: 29 little-endian doubles, then the name in 20 bytes padded with NUL."""
    assert len(values) == 29 and len(name) <= 20
    return struct.pack("<29d", *values) + name + b"\0" * (20 - len(name))


def sample_values():
    values = [(k + 1) * 1.5e-3 for k in range(24)]
    values[0:5] = [0.000017, -0.0032, 1003.6, 0.0, 1.23456789]
    return values + [-50.0, 1000.0, 100000.0, 5000000.0, 296.8]


def air_values():
    # Viscosity, compressibility, conductivity and heat capacity polynomials a0..a5 of a mixture.
    coefficients = [1.716e-5, 4.5e-8, -2.1e-11, 0.0, 0.0, 0.0,
                    1.0, -2.2e-9, 1.1e-12, 0.0, 0.0, 0.0,
                    0.0241, 7.7e-5, -3.0e-8, 0.0, 0.0, 0.0,
                    1005.0, 0.02, 4.0e-4, -1.5e-7, 0.0, 0.0]
    return coefficients + [-70.0, 1200.0, 1.0e5, 2.0e7, 287.05]


KELO_FULL = kelo_record(sample_values(), b"Air")
KELO_SEEDS = [
    ("sample", KELO_FULL),
    ("air", kelo_record(air_values(), b"Vzduch suchy")),
    ("slovak_name", kelo_record(sample_values(), b"Zmes \xe8\x9e\x9a\x9d\xbe \xda\0xyz")),
    ("name_without_nul", kelo_record(sample_values(), b"ABCDEFGHIJKLMNOPQRST")),
    ("undefined_name_bytes", kelo_record(sample_values(), b"\x81\x83\x88\x90\x98")),
    ("not_finite", kelo_record([math.nan, math.inf, -math.inf] + sample_values()[3:], b"NaN")),
    ("largest", kelo_record([DBL_MAX, -DBL_MAX] + sample_values()[2:26] + [DBL_MAX, DBL_MAX, 5e-324], b"max")),
    ("longer", KELO_FULL + b"\x7f" * 48),
    ("cut_in_name", KELO_FULL[:240]),
    ("cut_in_value", KELO_FULL[:100]),
    ("one_value", KELO_FULL[:8]),
    ("empty", b""),
]

WINDOWS1250_SEEDS = [
    ("ascii", b"Air; 296,8 (J/kg.K)"),
    ("slovak", "Súč. tep. vodivosť; ZAV_sálanie (°C) ĽŠČŤŽÝÁÍÉÚÄÔŇ".encode("cp1250")),
    ("slovak_utf8", "Zmes čžšťľ Ú".encode("utf-8")),
    ("undefined", b"a\x81\x83\x88\x90\x98b"),
    ("high_half", bytes(range(0x80, 0x100))),
    ("outside_code_page", "a中b€".encode("utf-8")),
    ("cut_utf8", b"x\xc3"),
    ("invalid_utf8", b"\xed\xa0\x80\xf4\x90\x80\x80\xc0\xaf"),
    ("nul", b"a\0b"),
]

# Case files: the one the windows saved in the scenario "case_files", cut, and by hand.
with open(os.path.join(HERE, "..", "scenarios", "golden", "case_files_zadanie.zav"), "rb") as saved:
    CASE_SAVED = saved.read()
CASE_SEEDS = [
    ("saved", CASE_SAVED),
    ("cut", CASE_SAVED[:500]),
    ("partial", b'{"format": "zav-case", "version": 1, "main": {"t_body": "80", "shape": "cube", '
                b'"radiation": true}, "cooling": {"emissivity_material": 5}, '
                b'"fluid": {"linear": {"density": ["1,1", "-2e-3"]}}}'),
    ("newer", b'{"format": "zav-case", "version": 2, "main": {}}'),
    ("wrong_type", b'{"format": "zav-case", "version": 1, "main": {"t_body": 80}}'),
    ("unknown_key", b'{"format": "zav-case", "version": 1, "main": {"t_bodi": "80"}}'),
    ("escapes", b'{"format": "zav-case", "version": 1, "fluid": {"kelo": {"name": "a\\u010d\\"\\n\\ud83d\\ude00"}}}'),
    ("not_case", b'{"kind": "constant"}'),
    ("nested", b'{"format": "zav-case", "version": 1, "main": ' + b"[" * 40 + b"]" * 40 + b"}"),
    ("empty", b""),
]


def main():
    write_corpus("number_parser", NUMBER_TEXTS)
    write_corpus("number_format", NUMBER_FORMAT_SEEDS)
    write_corpus("kelo_bytes", KELO_SEEDS)
    write_corpus("kelo_file", KELO_SEEDS)
    write_corpus("windows1250", WINDOWS1250_SEEDS)
    write_corpus("case_file", CASE_SEEDS)


if __name__ == "__main__":
    main()
