#!/usr/bin/env python3
"""Writes the golden batch: requests of every tool with ordinary, extreme,
out-of-range and malformed values, blank lines and lines that are no request.

    make_batch.py --calc CALC          rewrites batch_requests.jsonl (the same bytes each time)
    make_batch.py --expect CALC        rewrites batch_records.jsonl and batch_summary.txt
                                       from what `CALC batch` prints for them

The tools of the first golden batch keep the lines they were given; every other
tool of the catalog, as `CALC describe` lists it, gets its own lines after them,
so that a new tool is added to the batch by running this again.

The test `golden_batch` holds every later build to the records. Rewrite them
only on purpose, when a change of the output is meant, and say so in the commit.
"""
import argparse
import json
import pathlib
import random
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
REQUESTS = HERE / "batch_requests.jsonl"
RECORDS = HERE / "batch_records.jsonl"
SUMMARY = HERE / "batch_summary.txt"

# Values as they stand in the JSON text: numbers, and strings with their quotes.
NUMBERS = [
    "0", "-0", "1", "-1", "5", "12.5", "0.5", "0.1013", "100", "130", "1e3", "1.5E3", "1E-3",
    "2.675", "1.005", "0.049999999999999996", "-40", "350", "350.5", "373.946", "0.01", "22.064",
    "16.53", "1e308", "-1e308", "1.7976931348623157e308", "4.9e-324", "1e-320", "1e-400",
    "1e400", "-1e400", "2E999", "123456789012345678", "12345678901234567890123",
    "0.000611657", "1e15", "999999999999999.9",
]
TEXTS = [
    '"5"', '" 12 "', '"１２．５"', '"1,5"', '"0x10"', '"nan"', '"inf"', '"-"', '""', '"abc"',
    '"5t"', '"1e5"', '"１。５"', '"　10"', '"+3"', '".5"', '"5."', '"1e"', '"--1"', '"1 2"',
    '"\\u0031\\u0032"', '"\\t7\\t"', '"9\\n"', '"3.0e+2"', '"１Ｅ３"', '"-.5e-2"', '"1e-400"',
    '"1e400"', '"0.1013"', '"130"', '"\\u00e9"', '"\\ud83d\\ude00"', '"\\u0000"', '"２２"',
]
VALUES = NUMBERS + TEXTS

# The tools of the first golden batch, whose lines stay as they were written.
TOOLS = {
    "sizing": ["throughput", "feed", "product", "application"],
    "steam": ["mode", "pressure", "temperature"],
    "pipe": ["state", "temperature", "flow", "velocity", "density"],
    "pump": ["flow", "head", "specific_gravity", "efficiency", "safety_factor"],
    "exchanger": ["area", "tube_diameter", "tube_length"],
    "channel": ["designation"],
}
APPLICATIONS = ['"蒸发结晶"', '"废水零排放"', '"垃圾渗滤液"', '"化工行业"', '"危废行业"',
                '"中药浓缩"', '"食品行业"', '"未知"', '""', '"x\\"y"', "5"]
DESIGNATIONS = ['"5"', '"6.3"', '"20a"', '"25a"', '"32b"', '"40c"', '"99z"', '"21"', '""',
                '"25A"', '" 25a"', "12", "6.3"]
CHOICES = {
    "mode": ['"pressure"', '"temperature"', '"none"', '""', "1"],
    "state": ['"steam"', '"liquid"', '""', '"gas"', "null"],
}

# Lines that are no request, or not one this program can answer.
MALFORMED = [
    '{"tool":"sizing",', "not json", '{"tool":"sizing"} x', '{"tool":"sizing"}{"tool":"sizing"}',
    '[1,2]', '"sizing"', "5", "{}", "null", "true", '{"tool":1}', '{"tool":"Sizing"}',
    '{"tool":"sizing","tool":"sizing"}', '{"tool":"sizing","feed":null}',
    '{"tool":"sizing","feed":true}', '{"tool":"sizing","feed":[10]}',
    '{"tool":"sizing","feed":{"value":10}}', '{"tool":"pump","area":"90"}',
    '{"tool":"sizing","throughput":01}', '{"tool":"sizing","throughput":1.}',
    '{"tool":"sizing","throughput":-}', '{"tool":"sizing","throughput":.5}',
    '{"tool":"sizing","throughput":+1}', '{"tool":"sizing","throughput":NaN}',
    '{"tool":"sizing","throughput":Infinity}', '{"tool":"sizing" /* note */}',
    '{"tool":"sizing","application":"\\ud800"}', '{"tool":"sizing","application":"\\x"}',
    '{"tool":"sizing","application":"\\u12"}', '{"tool":"sizing","thr\\u006fughput":"7"}',
    '{"tool":"sizing","throughput ":"5"}', '{"tool":"sizing","--feed":"5"}',
    '{"tool":"steam","mode":"temperature","pressure":"0.2"}',
    '{"tool":"steam","pressure":0.2,"temperature":130}',
    '{"tool":"pipe","temperature":120,"density":900}', '{"tool":"pipe","state":"liquid","temperature":50}',
    '{"tool":"sizing","throughput":2E999,"feed":-1e400}', "[" * 2000 + "]" * 2000,
    '{"a":' * 30 + "1" + "}" * 30, '{"tool":"channel","designation":"25a"},',
    '  {"tool":"exchanger"}  ', '\t{"tool":"pump"}', "{\"tool\":\"sizing\",\"application\":\"\x01\"}",
    "{\"tool\":\"sizing\",\"application\":\"a\tb\"}", '{"tool":"sizing"}\r',
    '{"tool":"channel","designation":"25a","designation":"25b"}', '{"tool":"","feed":"1"}',
    '{"tool":"describe"}', '{"tool":"batch"}', '{"tool":"sizing","json":true}',
    '{"tool":"sizing","":""}', "{\"tool\":\"steam\",\"mode\":\"pressure\",\"pressure\":\"０．１\"}",
]
# Raw bytes that are not UTF-8, inside a string and outside one, and a byte order mark.
RAW = [
    b'{"tool":"sizing","application":"\xff"}', b'{"tool":"sizing","application":"\xe8\x92"}',
    b'{"tool":"sizing","application":"\xc0\xaf"}', b'{"tool":"sizing","application":"\xed\xa0\x80"}',
    b'{"tool":"sizing"}\xff', b"\xef\xbb\xbf" + b'{"tool":"sizing"}', b'{"tool":"sizing\x00"}',
    b'\xf4\x90\x80\x80', b'{"tool":"channel","designation":"\xf0\x9f\x98\x80"}',
]
BLANKS = ["", " ", "\t", "\r", "  \t \r"]


def request(pairs):
    return "{" + ",".join(f'"{key}":{value}' for key, value in pairs) + "}"


def value_for(rng, key):
    if key == "application":
        return rng.choice(APPLICATIONS)
    if key == "designation":
        return rng.choice(DESIGNATIONS)
    if key in CHOICES:
        return rng.choice(CHOICES[key])
    return rng.choice(VALUES)


def lines():
    rng = random.Random(25)
    out = []
    # Each value alone in each input of each tool, at the tool's other start texts.
    for tool, keys in TOOLS.items():
        for key in keys:
            choices = {"steam": {"pressure": "pressure", "temperature": "temperature"},
                       "pipe": {"temperature": "steam", "density": "liquid"}}.get(tool, {})
            pool = VALUES if key not in CHOICES and key not in ("application", "designation") else (
                CHOICES.get(key) or (APPLICATIONS if key == "application" else DESIGNATIONS))
            for value in pool:
                pairs = [("tool", '"' + tool + '"')]
                if key in choices:
                    pairs.append(("mode" if tool == "steam" else "state", f'"{choices[key]}"'))
                pairs.append((key, value))
                out.append(request(pairs))
    # Mixed requests: some inputs given, in any order, now and then one that does not belong.
    while len(out) < 1100:
        tool = rng.choice(list(TOOLS))
        keys = rng.sample(TOOLS[tool], rng.randint(0, len(TOOLS[tool])))
        pairs = [(key, value_for(rng, key)) for key in keys]
        pairs.insert(rng.randint(0, len(pairs)), ("tool", f'"{tool}"'))
        if rng.random() < 0.03:
            pairs.append((rng.choice(["speed", "flow", "mode", "tool"]), rng.choice(VALUES)))
        text = request(pairs)
        if rng.random() < 0.05:
            text = text.replace(",", ", ").replace(":", " : ")
        out.append(text)
    data = [line.encode("utf-8") for line in out]
    # The odd lines spread through the ordinary ones, so each stands between answered lines.
    odd = [line.encode("utf-8") for line in MALFORMED] + RAW + [b.encode() for b in BLANKS] * 4
    for line in odd:
        data.insert(rng.randint(0, len(data)), line)
    return data


def catalog(calc):
    """Every tool of the catalog: its name, its inputs' keys and the choices of each."""
    run = subprocess.run([calc, "describe"], capture_output=True, check=True)
    tools = []
    for tool in json.loads(run.stdout)["tools"]:
        inputs = [i for i in tool["inputs"] if i["read"]]
        tools.append((tool["name"], [i["key"] for i in inputs],
                      {i["key"]: [c["key"] for c in i["choices"]] for i in inputs if i["choices"]},
                      {i["key"]: i["read_when"] for i in inputs if i["read_when"]}))
    return tools


def later_lines(calc):
    """Lines for each tool the first batch did not know, from its description alone."""
    out = []
    for name, keys, choices, read_when in catalog(calc):
        if name in TOOLS:
            continue
        rng = random.Random("golden " + name)
        tool = ("tool", f'"{name}"')
        # Each value alone in each input, at the tool's other start texts.
        for key in keys:
            pool = [f'"{c}"' for c in choices[key]] + ['""', '"none"', "1"] if key in choices else VALUES
            for value in pool:
                pairs = [tool]
                if key in read_when:
                    pairs.append((read_when[key]["input"], f'"{read_when[key]["choice"]}"'))
                pairs.append((key, value))
                out.append(request(pairs))
        # Mixed requests, now and then with an input the tool does not have.
        for _ in range(120):
            given = rng.sample(keys, rng.randint(0, len(keys)))
            pairs = [(key, rng.choice([f'"{c}"' for c in choices[key]]) if key in choices
                      else rng.choice(VALUES)) for key in given]
            pairs.insert(rng.randint(0, len(pairs)), tool)
            if rng.random() < 0.05:
                pairs.append(("speed", rng.choice(VALUES)))
            out.append(request(pairs))
        out += [request([tool, (keys[0], "1"), (keys[0], "2")]), request([tool, (keys[0], "null")]),
                request([tool, (keys[0], "[1]")]), request([tool, ("unknown", "1")])]
    return [line.encode("utf-8") for line in out]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", metavar="CALC", help="vapentis-calc whose tools to cover")
    parser.add_argument("--expect", metavar="CALC", help="vapentis-calc whose records to keep")
    args = parser.parse_args()
    if args.expect is None:
        if args.calc is None:
            parser.error("give --calc, whose `describe` lists the tools, or --expect")
        requests = lines() + later_lines(args.calc)
        REQUESTS.write_bytes(b"\n".join(requests) + b"\n")
        print(f"{REQUESTS.name}: {len(requests)} lines")
        return 0
    with REQUESTS.open("rb") as requests:
        run = subprocess.run([args.expect, "batch"], stdin=requests, capture_output=True, check=False)
    RECORDS.write_bytes(run.stdout)
    SUMMARY.write_bytes(f"exit {run.returncode}\n".encode() + run.stderr)
    records = run.stdout.count(b"\n")
    print(f"{RECORDS.name}: {records} records, exit {run.returncode}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
