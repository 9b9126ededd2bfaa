// How Tab, Enter and the arrows walk a data sheet, as in the windows: the chi-square table walks
// along its row up to column Z; the other sheets walk down the rows, wrapping at the last column.

// Where a walk differs from the usual sheet, by window name.
const walks = {
    Counts1: { alongRow: true },
    Means0: { shiftTabGoesBack: false },
    Means6: { advanceLimit: 100 },
};

export function sheetWalk(entry) {
    return { alongRow: false, shiftTabGoesBack: true, advanceLimit: 99, ...(walks[entry.window] ?? {}) };
}

// The cell a key moves to from {row, column}, and the limit met: 'rows' and 'columns' show
// "Maximum rows reached." and "Maximum columns reached.", 'first' beeps.
export function moveFrom(cell, key, shifted, walk, sheet) {
    const { row, column } = cell;
    if (key === 'ArrowDown')
        return row >= sheet.rows ? { cell, limit: 'rows' } : { cell: { row: row + 1, column } };
    if (key === 'ArrowUp')
        return row <= 1 ? { cell, limit: 'first' } : { cell: { row: row - 1, column } };
    const back = key === 'Tab' && shifted && walk.shiftTabGoesBack;
    if (walk.alongRow) {
        if (back) return { cell: { row, column: Math.max(1, column - 1) } };
        return column >= sheet.columns ? { cell, limit: 'columns' } : { cell: { row, column: column + 1 } };
    }
    if (back) {
        if (column > 1) return { cell: { row, column: column - 1 } };
        return row <= 1 ? { cell } : { cell: { row: row - 1, column: sheet.columns } };
    }
    if (column < sheet.columns) return { cell: { row, column: column + 1 } };
    return { cell: { row: row < walk.advanceLimit ? row + 1 : row, column: 1 } };
}

export const limitMessages = { rows: 'Maximum rows reached.', columns: 'Maximum columns reached.' };
