// How long a Calculate took, from the press to the answer on the page, and when the first answer
// came after the page opened: kept on the page's root element for whoever measures the page.
export function timed(started) {
    const root = document.documentElement.dataset;
    root.calculateMs = (performance.now() - started).toFixed(2);
    root.answeredAt ??= performance.now().toFixed(0);
}
