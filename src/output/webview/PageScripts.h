#pragma once

// The scripts the page view runs in the page, in a world of the program's own, out of the page
// scripts' reach. Each is a function expression that the view calls with its arguments.

// Reports the page's own style sources, read as written, since the engine drops the
// properties it does not know from what it parses; and the root, the body and every element
// that scrolls, with their ancestors. Keeps the elements for the probe and the marking.
inline constexpr char16_t InspectPageScript[] = uR"js(function (scope) {
  const own = window.programSheet ? programSheet.sheet : null;
  if (own) own.disabled = true;
  const root = document.documentElement;
  const body = document.body;
  const local = (address) => {
    try {
      const url = new URL(address, document.baseURI);
      const host = url.hostname.replace(/^\[|\]$/g, '');
      return url.protocol === 'file:' || host === 'localhost' || host.endsWith('.localhost')
        || host === '::1' || /^127\.\d+\.\d+\.\d+$/.test(host);
    } catch (e) { return false; }
  };
  const read = (address) => {
    try {
      const request = new XMLHttpRequest();
      request.open('GET', address, false);
      request.overrideMimeType('text/plain');
      request.send();
      return request.status === 200 || request.status === 0 ? request.responseText : null;
    } catch (e) { return null; }
  };
  let pageText = null;
  // Where a style element's text starts in the page's file: line and column, from 0.
  const placeOf = (text) => {
    if (pageText === null) pageText = read(document.URL) || '';
    const at = text ? pageText.indexOf(text) : -1;
    if (at < 0) return [0, 0];
    return [pageText.slice(0, at).split('\n').length - 1, at - pageText.lastIndexOf('\n', at - 1) - 1];
  };
  const sources = [];
  const visit = (sheet) => {
    if (!sheet || sheet === own) return;
    let rules = [];
    try { rules = Array.from(sheet.cssRules); } catch (e) {}
    for (const rule of rules) if (rule.styleSheet) visit(rule.styleSheet);
    const node = sheet.ownerNode;
    if (node && node.localName === 'style') {
      const place = placeOf(node.textContent);
      sources.push({address: document.URL, text: node.textContent, line: place[0], column: place[1], read: true});
    } else if (sheet.href) {
      const text = local(sheet.href) ? read(sheet.href) : null;
      sources.push({address: sheet.href, text: text || '', line: 0, column: 0, read: text !== null});
    }
  };
  for (const sheet of Array.from(document.styleSheets)) visit(sheet);

  const elements = [];
  const info = [];
  const index = new Map();
  const step = (e) => e.id ? '#' + CSS.escape(e.id)
    : e.localName + Array.from(e.classList).slice(0, 2).map((c) => '.' + CSS.escape(c)).join('');
  const path = (e) => {
    let text = step(e);
    for (let up = e.parentElement, steps = 1; up && !e.id && steps < 4; up = up.parentElement, ++steps) {
      try { if (document.querySelectorAll(text).length === 1) break; } catch (x) { break; }
      text = step(up) + ' > ' + text;
      if (up.id || up === body) break;
    }
    return text;
  };
  const canScroll = (value) => value === 'auto' || value === 'scroll' || value === 'overlay';
  const scrolls = (e) => {
    if (e === root) return root.scrollHeight > root.clientHeight || root.scrollWidth > root.clientWidth;
    const style = getComputedStyle(e);
    return (canScroll(style.overflowY) && e.scrollHeight > e.clientHeight)
      || (canScroll(style.overflowX) && e.scrollWidth > e.clientWidth);
  };
  const matches = (e, selector) => { try { return e.matches(selector); } catch (x) { return false; } };
  const add = (e, scroller) => {
    if (index.has(e)) { if (scroller) info[index.get(e)].scrolls = true; return index.get(e); }
    const parent = e.parentElement ? add(e.parentElement, false) : -1;
    index.set(e, elements.length);
    elements.push(e);
    info.push({path: path(e), parent: parent, root: e === root, body: e === body,
      scrolls: scroller, inScope: !scope || matches(e, scope)});
    return elements.length - 1;
  };
  add(root, scrolls(root));
  if (body) add(body, false);
  let scrollers = 0;
  for (const e of Array.from(document.querySelectorAll('body *'))) {
    if (scrollers < 200 && scrolls(e)) { add(e, true); ++scrollers; }
  }
  let scopeCount = -1;
  if (scope) { try { scopeCount = document.querySelectorAll(scope).length; } catch (e) { scopeCount = 0; } }
  window.inspectedElements = elements;
  if (own) own.disabled = false;
  if (pageText === null) pageText = read(document.URL) || '';
  return {address: document.URL, page: pageText, quirks: document.compatMode === 'BackCompat',
    rootScrolls: (document.scrollingElement || root) === root && info[0].scrolls,
    sources: sources, elements: info, scopeCount: scopeCount};
})js";

// Adds the probe sheet for a moment, without the program's sheet, and reads what the engine
// made of it for each inspected element.
inline constexpr char16_t ProbePageScript[] = uR"js(function (css, names, selectors) {
  const elements = window.inspectedElements || [];
  const own = window.programSheet ? programSheet.sheet : null;
  if (own) own.disabled = true;
  const probe = document.createElement('style');
  probe.textContent = css;
  (document.head || document.documentElement).appendChild(probe);
  const values = elements.map((e) => {
    const style = getComputedStyle(e);
    return names.map((name) => style.getPropertyValue(name).trim());
  });
  const matches = selectors.map((selector) => {
    const found = [];
    try { elements.forEach((e, i) => { if (e.matches(selector)) found.push(i); }); } catch (x) {}
    return found;
  });
  probe.remove();
  if (own) own.disabled = false;
  return {values: values, matches: matches};
})js";

// Brings an inspected element into view and outlines it for a moment, its own outline put
// back afterwards.
inline constexpr char16_t MarkElementScript[] = uR"js(function (index) {
  const e = (window.inspectedElements || [])[index];
  if (!e) return;
  if (e !== document.documentElement) e.scrollIntoView({block: 'nearest', inline: 'nearest'});
  if (window.markedElement) window.markedElement.restore();
  const outline = e.style.getPropertyValue('outline');
  const priority = e.style.getPropertyPriority('outline');
  const offset = e.style.getPropertyValue('outline-offset');
  e.style.setProperty('outline', '3px solid #FF00AA', 'important');
  e.style.setProperty('outline-offset', '-3px', 'important');
  const restore = () => {
    clearTimeout(timer);
    e.style.setProperty('outline', outline, priority);
    e.style.setProperty('outline-offset', offset);
    window.markedElement = null;
  };
  const timer = setTimeout(restore, 1500);
  window.markedElement = {restore: restore};
})js";
