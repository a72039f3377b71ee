// Prints every row of one table as mdb-reader (the JavaScript Jet reader)
// reads it, as JSON: {"columns": [...], "rows": [[value, ...], ...]}.
// Values keep what the reader gave: {"text": s}, {"num": s} (shortest
// round-trip form, "-0" kept), {"bin": hex}, {"date": ms since 1970},
// true/false, null.
//   node mdb_reader_dump.mjs MODULES FILE TABLE [PASSWORD]
// MODULES is the folder whose node_modules holds mdb-reader.
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [, , modules, file, table, password] = process.argv;
const entry = join(modules, "node_modules", "mdb-reader", "lib", "node", "index.js");
const { default: MDBReader } = await import(pathToFileURL(entry).href);
const reader = new MDBReader(readFileSync(file), password ? { password } : undefined);
const data = reader.getTable(table);
const columns = data.getColumnNames();

function encode(value) {
    if (value === null || value === undefined) return null;
    if (Buffer.isBuffer(value)) return { bin: value.toString("hex") };
    if (value instanceof Date) return { date: value.getTime() };
    if (typeof value === "bigint") return { num: value.toString() };
    if (typeof value === "number") return { num: Object.is(value, -0) ? "-0" : String(value) };
    if (typeof value === "boolean") return value;
    return { text: String(value) };
}

const rows = data.getData().map((row) => columns.map((c) => encode(row[c])));
process.stdout.write(JSON.stringify({ columns, rows }));
