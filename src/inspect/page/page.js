// The page of a compiled scenario: draws the plan from the scenario data,
// pans and zooms it, links a cursor between the plan and the profile, shows
// the decoded values of whatever is pointed at, fills the sortable tables and
// lists the compile's anomalies. Served by `watch`, it follows the event
// stream and takes each new compile in place, keeping the author's view.
(function () {
  'use strict';

  const SVG_NS = 'http://www.w3.org/2000/svg';
  const CELL_M = 50;
  const MAX_PX_PER_M = 4; // closest zoom: a 50 m cell 200 px long
  const $ = (id) => document.getElementById(id);

  const state = {
    data: null,
    geo: null, // the plan decoded: metres of the drawing every `step` metres
    items: [], // everything that can be pointed at
    byKey: new Map(),
    marks: [], // the plan's marks: {item, wx, wy, sx, sy, el}
    labels: [], // names on the plan, of stations and anomalies: {mark, el, w}
    view: null, // {cx, cy, k}: plan centre in metres of the drawing, pixels per metre
    width: 0,
    height: 0,
    cursorM: null,
    selected: null,
    sort: { stations: { col: 'position', dir: 1 }, features: { col: 'position', dir: 1 } },
    generation: null,
  };

  // ---- Small helpers ----

  function el(tag, attrs, text) {
    const e = document.createElement(tag);
    for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function svg(tag, attrs, parent) {
    const e = document.createElementNS(SVG_NS, tag);
    for (const k in attrs || {}) e.setAttribute(k, attrs[k]);
    if (parent) parent.appendChild(e);
    return e;
  }

  const km = (m) => (m / 1000).toFixed(3);
  const cellOf = (m) => Math.floor(m / CELL_M);
  const fix1 = (v) => (Math.round(v * 10) / 10).toString();

  // A step of 1, 2 or 5 times a power of ten near `about`.
  function niceStep(about) {
    const p = Math.pow(10, Math.floor(Math.log10(about)));
    for (const f of [1, 2, 5]) if (about <= f * p) return f * p;
    return 10 * p;
  }

  // ---- What can be pointed at ----

  const FEATURE_KINDS = {
    1: 'signal', 2: 'slowdown', 3: 'slowdown', 4: 'slowdown', 5: 'approach',
    6: 'speed', 10: 'stop', 12: 'code', 13: 'code', 14: 'sign',
  };

  // Each item: key, kind, m (where it stands), title, sub, the source object.
  function buildItems(data) {
    const items = [];
    for (const s of data.stations || [])
      items.push({ key: 's' + s.record, kind: 'station', m: s.position_m, title: s.name || '(no name)',
        sub: 'station, record ' + s.record, src: s });
    for (const f of data.point_features || [])
      items.push({ key: 'f' + f.cell, kind: FEATURE_KINDS[f.type] || 'other', m: f.position_m,
        title: f.feature.charAt(0).toUpperCase() + f.feature.slice(1), sub: f.description, src: f });
    for (const t of data.tunnels || [])
      items.push({ key: 't' + t.first_cell, kind: 'tunnel', m: t.start_m, end: t.end_m,
        title: 'Tunnel', sub: km(t.start_m) + ' to ' + km(t.end_m) + ' km', src: t });
    const c = data.compile;
    ((c && c.anomalies) || []).forEach((a, i) => {
      items.push({ key: 'a' + i, kind: 'anomaly', m: a.position, title: 'Anomaly ' + a.code,
        sub: a.message, src: a });
    });
    return items;
  }

  const UNITS = [[/_kmh$/, ' km/h'], [/_m$/, ' m'], [/_s$/, ' s'], [/_percent$/, ' %']];

  function shown(key, v) {
    if (v === null || v === undefined) return '-';
    if (Array.isArray(v)) return v.join(' ');
    if (typeof v === 'object') return Object.keys(v).map((k) => k + ' ' + shown(k, v[k])).join(', ');
    for (const [re, unit] of UNITS) if (re.test(key) && typeof v === 'number') return v + unit;
    return String(v);
  }

  // The rows of an item's card: where it is, then every field of its record.
  function rows(item) {
    const s = item.src;
    const out = [];
    const where = (m) => {
      out.push(['position', m + ' m'], ['km', km(m)], ['cell', String(cellOf(m))]);
    };
    if (item.kind === 'station') {
      where(s.position_m);
      for (const k of Object.keys(s))
        if (k !== 'name' && k !== 'position_m') out.push([k, shown(k, s[k])]);
    } else if (item.kind === 'tunnel') {
      out.push(['from', s.start_m + ' m (km ' + km(s.start_m) + ')'],
        ['to', s.end_m + ' m (km ' + km(s.end_m) + ')'],
        ['length', s.end_m - s.start_m + ' m'],
        ['cells', s.first_cell + ' to ' + s.last_cell]);
      for (const k of Object.keys(s))
        if (!/^(start_m|end_m|first_cell|last_cell)$/.test(k)) out.push([k, shown(k, s[k])]);
    } else if (item.kind === 'anomaly') {
      out.push(['source', s.file + (s.line ? ':' + s.line : '')]);
      if (s.position !== null && s.position !== undefined) where(s.position);
      out.push(['code', String(s.code)], ['found by', s.source]);
    } else {
      out.push(['position', s.position_m + ' m'], ['km', km(s.position_m)],
        ['cell', String(s.cell)], ['type', String(s.type)]);
      for (const k of Object.keys(s.values || {})) out.push([k, shown(k, s.values[k])]);
    }
    return out;
  }

  function card(item) {
    const box = el('div', { class: 'card', 'data-key': item.key });
    box.appendChild(el('h3', {}, item.title));
    if (item.sub) box.appendChild(el('p', { class: 'sub' }, item.sub));
    const dl = el('dl', { class: 'values' });
    for (const [k, v] of rows(item)) {
      dl.appendChild(el('dt', {}, k));
      dl.appendChild(el('dd', {}, v));
    }
    box.appendChild(dl);
    return box;
  }

  // ---- The plan's geometry ----

  // Runs of points every `step_m` metres, in units of `unit_m`: the first
  // pair absolute, each next pair the difference from the one before.
  function decodePlan(plan) {
    if (!plan || !plan.runs || plan.runs.length === 0) return null;
    const step = plan.step_m;
    const unit = plan.unit_m;
    let n = 0;
    for (const r of plan.runs) n = Math.max(n, r.from_m / step + r.xy.length / 2);
    const xs = new Float64Array(n).fill(NaN);
    const ys = new Float64Array(n).fill(NaN);
    let minx = Infinity, maxx = -Infinity, miny = Infinity, maxy = -Infinity;
    for (const r of plan.runs) {
      let x = 0, y = 0;
      const i0 = r.from_m / step;
      for (let j = 0; 2 * j + 1 < r.xy.length; ++j) {
        x += r.xy[2 * j];
        y += r.xy[2 * j + 1];
        const px = x * unit, py = y * unit;
        xs[i0 + j] = px;
        ys[i0 + j] = py;
        minx = Math.min(minx, px); maxx = Math.max(maxx, px);
        miny = Math.min(miny, py); maxy = Math.max(maxy, py);
      }
    }
    return { step, xs, ys, n, minx, maxx, miny, maxy };
  }

  // The point of the drawing at metre m, between the stored points.
  function planPoint(geo, m) {
    const last = (geo.n - 1) * geo.step;
    const f = Math.min(Math.max(m, 0), last) / geo.step;
    const i = Math.floor(f);
    const t = f - i;
    const j = Math.min(i + 1, geo.n - 1);
    const a = !isNaN(geo.xs[i]), b = !isNaN(geo.xs[j]);
    if (a && b) return [geo.xs[i] + (geo.xs[j] - geo.xs[i]) * t, geo.ys[i] + (geo.ys[j] - geo.ys[i]) * t];
    if (a) return [geo.xs[i], geo.ys[i]];
    if (b) return [geo.xs[j], geo.ys[j]];
    for (let d = 1; d < geo.n; ++d) {
      if (i - d >= 0 && !isNaN(geo.xs[i - d])) return [geo.xs[i - d], geo.ys[i - d]];
      if (j + d < geo.n && !isNaN(geo.xs[j + d])) return [geo.xs[j + d], geo.ys[j + d]];
    }
    return null;
  }

  const toScreen = (x, y) => {
    const v = state.view;
    return [state.width / 2 + (x - v.cx) * v.k, state.height / 2 - (y - v.cy) * v.k];
  };

  function fitView() {
    const g = state.geo;
    const pad = 40;
    const k = Math.min((state.width - 2 * pad) / Math.max(g.maxx - g.minx, 1),
      (state.height - 2 * pad) / Math.max(g.maxy - g.miny, 1));
    state.view = { cx: (g.minx + g.maxx) / 2, cy: (g.miny + g.maxy) / 2, k };
  }

  function zoomLimits() {
    const g = state.geo;
    const whole = Math.min(state.width / Math.max(g.maxx - g.minx, 1),
      state.height / Math.max(g.maxy - g.miny, 1));
    return [whole / 3, MAX_PX_PER_M];
  }

  function zoomAt(factor, px, py) {
    const v = state.view;
    const [lo, hi] = zoomLimits();
    const k = Math.min(Math.max(v.k * factor, lo), hi);
    const wx = v.cx + (px - state.width / 2) / v.k;
    const wy = v.cy - (py - state.height / 2) / v.k;
    v.cx = wx - (px - state.width / 2) / k;
    v.cy = wy + (py - state.height / 2) / k;
    v.k = k;
    schedule();
  }

  // The metre of the track nearest to a screen point, and how far it is.
  function nearestMetre(px, py) {
    const g = state.geo;
    let best = null;
    let prev = null;
    for (let i = 0; i < g.n; ++i) {
      if (isNaN(g.xs[i])) { prev = null; continue; }
      const p = toScreen(g.xs[i], g.ys[i]);
      if (prev) {
        const dx = p[0] - prev[0], dy = p[1] - prev[1];
        const len2 = dx * dx + dy * dy;
        const t = len2 > 0 ? Math.min(Math.max(((px - prev[0]) * dx + (py - prev[1]) * dy) / len2, 0), 1) : 0;
        const ex = prev[0] + t * dx - px, ey = prev[1] + t * dy - py;
        const d = Math.sqrt(ex * ex + ey * ey);
        if (!best || d < best.d) best = { d, m: Math.round((i - 1 + t) * g.step) };
      }
      prev = p;
    }
    return best;
  }

  // ---- Drawing the plan ----

  function markShape(kind, parent) {
    switch (kind) {
      case 'station': return svg('circle', { r: 5.5 }, parent);
      case 'stop': return svg('circle', { r: 2 }, parent);
      case 'signal': return svg('circle', { r: 3.4 }, parent);
      case 'slowdown': return svg('rect', { x: -4.5, y: -4.5, width: 9, height: 9, transform: 'rotate(45)' }, parent);
      case 'approach': return svg('circle', { r: 2.2 }, parent);
      case 'speed': return svg('path', { d: 'M0 -6 L5.2 3 L-5.2 3 Z' }, parent);
      case 'sign': return svg('rect', { x: -4, y: -4, width: 8, height: 8 }, parent);
      case 'code': return svg('circle', { r: 3 }, parent);
      case 'anomaly': return svg('circle', { r: 10 }, parent);
      default: return svg('circle', { r: 2.5 }, parent);
    }
  }

  // Small marks first, so that stations and anomalies lie on top.
  const MARK_ORDER = ['approach', 'stop', 'code', 'other', 'signal', 'speed', 'sign', 'slowdown', 'station', 'anomaly'];
  // When several marks are near the pointer, the small ones give way.
  const MARK_PENALTY = { approach: 4, stop: 4, code: 2, other: 2 };

  function buildPlan() {
    const plan = $('plan');
    plan.textContent = '';
    state.marks = [];
    state.labels = [];
    state.layers = {
      lines: svg('g', { id: 'plan-lines' }, plan),
      marks: svg('g', { id: 'plan-marks' }, plan),
      labels: svg('g', { id: 'plan-labels' }, plan),
      over: svg('g', { id: 'plan-over' }, plan),
    };
    const L = state.layers;
    if (!state.geo) {
      svg('text', { class: 'p-note', x: 12, y: 24 }, L.over).textContent = state.data.cells > 0
        ? 'No line drawing: the line profile file is absent.'
        : 'Nothing compiled to show yet.';
      return;
    }
    L.tunnels = [];
    L.track = svg('path', { class: 'p-track' }, L.lines);
    L.tail = svg('path', { class: 'p-tail' }, L.lines);
    for (const t of state.data.tunnels || []) L.tunnels.push([t, svg('path', { class: 'p-tunnel' }, L.lines)]);

    const sorted = state.items.filter((it) => it.kind !== 'tunnel' && it.m !== null && it.m !== undefined)
      .sort((a, b) => MARK_ORDER.indexOf(a.kind) - MARK_ORDER.indexOf(b.kind));
    for (const it of sorted) {
      const p = planPoint(state.geo, it.m);
      if (!p) continue;
      const g = svg('g', { class: 'mk mk-' + it.kind, 'data-key': it.key }, L.marks);
      markShape(it.kind, g);
      const mark = { item: it, wx: p[0], wy: p[1], sx: 0, sy: 0, el: g };
      state.marks.push(mark);
      if (it.kind === 'station' || it.kind === 'anomaly') {
        const t = svg('text', { class: it.kind === 'station' ? 'p-label' : 'p-label p-label-anomaly' }, L.labels);
        t.textContent = it.kind === 'station' ? it.title : 'anomaly ' + it.src.code;
        state.labels.push({ mark, el: t, w: t.getComputedTextLength() || 7.2 * t.textContent.length });
      }
    }
    // Anomalies are named first: they are what the author looks for.
    state.labels.sort((a, b) => (b.mark.item.kind === 'anomaly') - (a.mark.item.kind === 'anomaly'));
    L.selected = svg('circle', { class: 'p-selected', r: 16, visibility: 'hidden' }, L.over);
    L.cursor = svg('circle', { class: 'p-cursor', r: 8, visibility: 'hidden' }, L.over);
    L.cursorDot = svg('circle', { class: 'p-cursor-dot', r: 2.5, visibility: 'hidden' }, L.over);
    L.scale = svg('path', { class: 'p-scale' }, L.over);
    L.scaleText = svg('text', { class: 'p-scale-text', 'text-anchor': 'middle' }, L.over);
    L.north = svg('path', { class: 'p-north' }, L.over);
    L.northText = svg('text', { class: 'p-north-text', 'text-anchor': 'middle' }, L.over);
    L.northText.textContent = 'N';
  }

  function pathOf(from, to) {
    const g = state.geo;
    let d = '';
    let pen = false;
    const add = (x, y) => {
      const p = toScreen(x, y);
      d += (pen ? 'L' : 'M') + fix1(p[0]) + ' ' + fix1(p[1]);
      pen = true;
    };
    const a = planPoint(g, from);
    if (a) add(a[0], a[1]);
    for (let i = Math.ceil(from / g.step); i * g.step < to && i < g.n; ++i) {
      if (i * g.step <= from) continue;
      if (isNaN(g.xs[i])) { pen = false; continue; }
      add(g.xs[i], g.ys[i]);
    }
    const b = planPoint(g, to);
    if (b) add(b[0], b[1]);
    return d;
  }

  let pending = false;
  function schedule() {
    if (pending) return;
    pending = true;
    requestAnimationFrame(() => {
      pending = false;
      render();
    });
  }

  function render() {
    if (!state.geo || !state.view) return;
    const L = state.layers;
    const route = routeLength();
    const last = (state.geo.n - 1) * state.geo.step;
    L.track.setAttribute('d', pathOf(0, Math.min(route, last)));
    L.tail.setAttribute('d', route < last ? pathOf(route, last) : '');
    for (const [t, e] of L.tunnels) e.setAttribute('d', pathOf(t.start_m, t.end_m));
    for (const mk of state.marks) {
      const p = toScreen(mk.wx, mk.wy);
      mk.sx = p[0];
      mk.sy = p[1];
      mk.el.setAttribute('transform', 'translate(' + fix1(p[0]) + ' ' + fix1(p[1]) + ')');
    }
    placeLabels();
    placeOverlay();
    drawScale();
  }

  // Each name (stations, anomalies) takes the first spot beside its mark that
  // covers no other name or mark of a station; where none is free it is left
  // out until a zoom makes room.
  function placeLabels() {
    const taken = [];
    const fits = (b) => b.x0 >= 2 && b.x1 <= state.width - 2 && b.y0 >= 40 && b.y1 <= state.height - 2 &&
      !taken.some((o) => b.x0 < o.x1 && o.x0 < b.x1 && b.y0 < o.y1 && o.y0 < b.y1);
    // Nor under the legend or the zoom buttons.
    const origin = $('plan').getBoundingClientRect();
    for (const id of ['legend', 'plan-tools']) {
      const r = $(id).getBoundingClientRect();
      if (r.width > 0) taken.push({ x0: r.left - origin.left, y0: r.top - origin.top, x1: r.right - origin.left, y1: r.bottom - origin.top });
    }
    for (const lb of state.labels) {
      const m = lb.mark;
      const r = m.item.kind === 'anomaly' ? 11 : 7;
      taken.push({ x0: m.sx - r, y0: m.sy - r, x1: m.sx + r, y1: m.sy + r });
    }
    const spots = [[9, 4, 0], [-9, 4, 1], [9, -8, 0], [-9, -8, 1], [9, 16, 0], [-9, 16, 1]];
    for (const lb of state.labels) {
      const m = lb.mark;
      const far = m.item.kind === 'anomaly' ? 14 : 0;
      let placed = false;
      for (const [dx0, dy, left] of spots) {
        const dx = dx0 + (left ? -far : far);
        const x = left ? m.sx + dx - lb.w : m.sx + dx;
        const b = { x0: x, y0: m.sy + dy - 11, x1: x + lb.w, y1: m.sy + dy + 2 };
        if (!fits(b)) continue;
        taken.push(b);
        lb.el.setAttribute('x', fix1(x));
        lb.el.setAttribute('y', fix1(m.sy + dy));
        lb.el.removeAttribute('visibility');
        placed = true;
        break;
      }
      if (!placed) lb.el.setAttribute('visibility', 'hidden');
    }
  }

  function placeOverlay() {
    const L = state.layers;
    const show = (e, m) => {
      const p = m === null || m === undefined ? null : planPoint(state.geo, m);
      if (!p) { e.setAttribute('visibility', 'hidden'); return; }
      const s = toScreen(p[0], p[1]);
      e.setAttribute('cx', fix1(s[0]));
      e.setAttribute('cy', fix1(s[1]));
      e.removeAttribute('visibility');
    };
    const sel = state.selected && state.byKey.get(state.selected);
    show(L.selected, sel ? sel.m : null);
    show(L.cursor, state.cursorM);
    show(L.cursorDot, state.onMark ? null : state.cursorM);
  }

  function drawScale() {
    const L = state.layers;
    const metres = niceStep(130 / state.view.k);
    const px = metres * state.view.k;
    const x = state.width - px - 20, y = state.height - 22;
    L.scale.setAttribute('d', 'M' + fix1(x) + ' ' + (y - 6) + ' v6 h' + fix1(px) + ' v-6');
    L.scaleText.setAttribute('x', fix1(x + px / 2));
    L.scaleText.setAttribute('y', y - 10);
    L.scaleText.textContent = metres >= 1000 ? metres / 1000 + ' km' : metres + ' m';
    const nx = state.width - 24, ny = 48;
    L.north.setAttribute('d', 'M' + nx + ' ' + ny + ' l8 22 l-8 -6 l-8 6 z');
    L.northText.setAttribute('x', nx);
    L.northText.setAttribute('y', ny - 6);
  }

  function legend() {
    const box = el('div', { id: 'legend' });
    const entries = [['station', 'station'], ['signal', 'signal'], ['speed', 'speed boards'],
      ['sign', 'sign board'], ['slowdown', 'slowdown board, start, end'], ['code', 'code change'],
      ['tunnel', 'tunnel'], ['anomaly', 'anomaly']];
    for (const [kind, name] of entries) {
      const row = el('div');
      const icon = svg('svg', { viewBox: '-11 -8 22 16' });
      if (kind === 'tunnel') svg('path', { class: 'p-tunnel', d: 'M-10 0 H10' }, icon);
      else markShape(kind, svg('g', { class: 'mk-' + kind, transform: kind === 'anomaly' ? 'scale(0.6)' : '' }, icon));
      row.appendChild(icon);
      row.appendChild(el('span', {}, name));
      box.appendChild(row);
    }
    return box;
  }

  // ---- The profile ----

  function profileFrame() {
    const p = $('profile-svg');
    if (!p) return null;
    const num = (n) => parseFloat(p.getAttribute(n));
    return { svg: p, x0: num('data-x0'), x1: num('data-x1'), y0: num('data-y0'), y1: num('data-y1'),
      route: num('data-route-m') };
  }

  function routeLength() {
    const d = state.data;
    return d.route_length_m > 0 ? d.route_length_m : d.cells * CELL_M;
  }

  function setupProfile() {
    const f = profileFrame();
    if (!f) return;
    if (state.pf) for (const e of Object.values(state.pf)) e.remove();
    const mk = (cls) => svg('line', { class: cls, y1: f.y0 - 14, y2: f.y1, visibility: 'hidden' }, f.svg);
    state.pf = { sel: mk('pf-selected'), cursor: mk('pf-cursor'),
      text: svg('text', { class: 'pf-cursor-text', y: f.y0 - 18, visibility: 'hidden' }, f.svg) };
    drawProfileMarks();
  }

  function drawProfileMarks() {
    const f = profileFrame();
    if (!f || !state.pf) return;
    const at = (e, m) => {
      if (m === null || m === undefined || m < 0 || m > f.route) { e.setAttribute('visibility', 'hidden'); return; }
      const x = fix1(f.x0 + (m / f.route) * (f.x1 - f.x0));
      e.setAttribute('x1', x);
      e.setAttribute('x2', x);
      e.removeAttribute('visibility');
      return x;
    };
    const sel = state.selected && state.byKey.get(state.selected);
    at(state.pf.sel, sel ? sel.m : null);
    const x = at(state.pf.cursor, state.cursorM);
    const t = state.pf.text;
    if (x === undefined) t.setAttribute('visibility', 'hidden');
    else {
      t.textContent = 'km ' + km(state.cursorM);
      const right = parseFloat(x) > (f.x0 + f.x1) / 2;
      t.setAttribute('x', right ? parseFloat(x) - 4 : parseFloat(x) + 4);
      t.setAttribute('text-anchor', right ? 'end' : 'start');
      t.removeAttribute('visibility');
    }
  }

  // ---- Pointing ----

  function setCursor(m) {
    state.cursorM = m;
    $('readout').textContent = m === null ? '' : m + ' m \u00b7 km ' + km(m) + ' \u00b7 cell ' + cellOf(m);
    if (state.geo && state.view) placeOverlay();
    drawProfileMarks();
  }

  function showTip(item, cx, cy) {
    const tip = $('tip');
    if (!item) { tip.hidden = true; tip.removeAttribute('data-key'); return; }
    if (tip.getAttribute('data-key') !== item.key) {
      tip.textContent = '';
      tip.appendChild(card(item));
      tip.setAttribute('data-key', item.key);
    }
    tip.hidden = false;
    const w = tip.offsetWidth, h = tip.offsetHeight;
    const x = cx + 16 + w > window.innerWidth ? cx - 16 - w : cx + 16;
    const y = Math.min(Math.max(cy + 16, 4), window.innerHeight - h - 4);
    tip.style.left = Math.max(x, 4) + 'px';
    tip.style.top = y + 'px';
  }

  function tunnelAt(m) {
    return state.items.find((it) => it.kind === 'tunnel' && m >= it.m && m < it.end) || null;
  }

  function localPoint(e) {
    const r = $('plan').getBoundingClientRect();
    return [e.clientX - r.left, e.clientY - r.top];
  }

  function markNear(px, py) {
    let best = null;
    for (const mk of state.marks) {
      const d = Math.hypot(mk.sx - px, mk.sy - py);
      const reach = mk.item.kind === 'anomaly' ? 11 : 9;
      if (d > reach) continue;
      const score = d + (MARK_PENALTY[mk.item.kind] || 0);
      if (!best || score < best.score) best = { mk, score };
    }
    return best && best.mk;
  }

  function planHover(e) {
    if (!state.geo || !state.view) return;
    const [px, py] = localPoint(e);
    const mk = markNear(px, py);
    state.onMark = !!mk;
    if (mk) {
      setCursor(mk.item.m);
      showTip(mk.item, e.clientX, e.clientY);
      return;
    }
    const near = nearestMetre(px, py);
    if (near && near.d < 40) {
      setCursor(near.m);
      showTip(near.d < 10 ? tunnelAt(near.m) : null, e.clientX, e.clientY);
    } else {
      setCursor(null);
      showTip(null);
    }
  }

  function profileHover(e) {
    const f = profileFrame();
    if (!f || !f.svg.getScreenCTM()) return;
    state.onMark = false;
    const pt = new DOMPoint(e.clientX, e.clientY).matrixTransform(f.svg.getScreenCTM().inverse());
    if (pt.x < f.x0 || pt.x > f.x1) { setCursor(null); showTip(null); return; }
    const m = Math.round(((pt.x - f.x0) / (f.x1 - f.x0)) * f.route);
    setCursor(m);
    // Six screen pixels either side, in metres.
    const tol = (6 / f.svg.getScreenCTM().a) * (f.route / (f.x1 - f.x0));
    let best = null;
    for (const it of state.items) {
      if (it.kind === 'tunnel' || it.kind === 'anomaly' || it.m === null || it.m === undefined) continue;
      const d = Math.abs(it.m - m) + (it.kind === 'station' ? 0 : tol / 4);
      if (d <= tol && (!best || d < best.d)) best = { it, d };
    }
    showTip(best ? best.it : pt.y >= f.y0 && pt.y <= f.y1 ? tunnelAt(m) : null, e.clientX, e.clientY);
    return best;
  }

  // ---- Selecting: from the plan, the tables, the anomalies, the profile ----

  function select(item, centre) {
    state.selected = item ? item.key : null;
    const box = $('selection');
    box.textContent = '';
    if (item) box.appendChild(card(item));
    else box.appendChild(el('p', { class: 'hint' }, 'Nothing selected.'));
    for (const tr of document.querySelectorAll('tbody tr')) {
      const on = tr.getAttribute('data-key') === state.selected;
      tr.classList.toggle('selected', on);
      if (on) scrollToRow(tr);
    }
    for (const li of document.querySelectorAll('#anomaly-list li'))
      li.classList.toggle('selected', li.getAttribute('data-key') === state.selected);
    if (item && centre && state.geo && item.m !== null && item.m !== undefined) {
      const p = planPoint(state.geo, item.m);
      if (p) {
        const detail = Math.min(state.width, state.height) / 8000; // about 8 km across
        state.view.cx = p[0];
        state.view.cy = p[1];
        state.view.k = Math.min(Math.max(state.view.k, detail), MAX_PX_PER_M);
      }
    }
    drawProfileMarks();
    schedule();
  }

  // ---- Tables ----

  // Brings a row into its box's view without scrolling the page.
  function scrollToRow(tr) {
    const box = tr.closest('.table-box');
    if (!box || box.hidden) return;
    const head = tr.closest('table').tHead.offsetHeight;
    if (tr.offsetTop - head < box.scrollTop) box.scrollTop = tr.offsetTop - head;
    else if (tr.offsetTop + tr.offsetHeight > box.scrollTop + box.clientHeight)
      box.scrollTop = tr.offsetTop + tr.offsetHeight - box.clientHeight;
  }

  const STATION_COLUMNS = [
    { id: 'record', label: 'rec', num: true, get: (s) => s.record },
    { id: 'name', label: 'name', get: (s) => s.name },
    { id: 'kind', label: 'kind', num: true, get: (s) => s.kind },
    { id: 'position', label: 'position m', num: true, get: (s) => s.position_m },
    { id: 'time', label: 'time', get: (s) => s.time, key: (s) => s.time_s },
    { id: 'stop', label: 'stop', num: true, get: (s) => s.stop_cell, key: (s) => (s.stop_cell === null ? -1 : s.stop_cell) },
  ];

  const FEATURE_COLUMNS = [
    { id: 'cell', label: 'cell', num: true, get: (f) => f.cell },
    { id: 'position', label: 'position m', num: true, get: (f) => f.position_m },
    { id: 'feature', label: 'feature', get: (f) => f.feature },
    { id: 'values', label: 'values', wrap: true, get: (f) => f.description },
  ];

  function buildTable(table, name, columns, items) {
    table.textContent = '';
    const sort = state.sort[name];
    const thead = el('thead');
    const head = el('tr');
    for (const c of columns) {
      const th = el('th', { scope: 'col', tabindex: '0', 'data-col': c.id }, c.label);
      if (c.num) th.classList.add('num');
      if (sort.col === c.id) th.setAttribute('aria-sort', sort.dir > 0 ? 'ascending' : 'descending');
      const by = () => {
        state.sort[name] = { col: c.id, dir: sort.col === c.id ? -sort.dir : 1 };
        buildTable(table, name, columns, items);
      };
      th.addEventListener('click', by);
      th.addEventListener('keydown', (e) => { if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); by(); } });
      head.appendChild(th);
    }
    thead.appendChild(head);
    table.appendChild(thead);
    const col = columns.find((c) => c.id === sort.col) || columns[0];
    const keyOf = col.key || col.get;
    const order = items.map((it, i) => [it, i]).sort((a, b) => {
      const x = keyOf(a[0].src), y = keyOf(b[0].src);
      const c = typeof x === 'number' && typeof y === 'number' ? x - y : String(x).localeCompare(String(y));
      return c * sort.dir || a[1] - b[1];
    });
    const tbody = el('tbody');
    for (const [it] of order) {
      const tr = el('tr', { 'data-key': it.key });
      if (it.key === state.selected) tr.classList.add('selected');
      for (const c of columns) {
        const v = c.get(it.src);
        const td = el('td', {}, v === null || v === undefined ? '-' : String(v));
        if (c.num) td.classList.add('num');
        if (c.wrap) td.classList.add('wrap');
        tr.appendChild(td);
      }
      tr.tabIndex = 0;
      tr.addEventListener('click', () => select(it, true));
      tr.addEventListener('keydown', (e) => { if (e.key === 'Enter') select(it, true); });
      tbody.appendChild(tr);
    }
    table.appendChild(tbody);
  }

  function buildTables() {
    const boxes = ['stations-box', 'features-box'].map((id) => [$(id), $(id).scrollTop]);
    buildTable($('stations-table'), 'stations', STATION_COLUMNS, state.items.filter((it) => it.kind === 'station'));
    buildTable($('features-table'), 'features', FEATURE_COLUMNS, state.items.filter((it) => it.key[0] === 'f'));
    for (const [box, top] of boxes) box.scrollTop = top;
  }

  function showTab(which) {
    for (const [tab, box] of [['tab-stations', 'stations-box'], ['tab-features', 'features-box']]) {
      const on = tab === which;
      $(tab).setAttribute('aria-selected', on ? 'true' : 'false');
      $(box).hidden = !on;
    }
  }

  // ---- Anomalies of the compile ----

  function renderAnomalies() {
    const c = state.data.compile;
    const section = $('anomalies');
    const list = $('anomaly-list');
    const errors = $('compile-errors');
    list.textContent = '';
    errors.textContent = '';
    const anomalies = (c && c.anomalies) || [];
    const problems = (c && c.errors) || [];
    const failed = !!c && c.ok === false;
    section.hidden = !c || (!failed && anomalies.length === 0 && problems.length === 0);
    section.classList.toggle('failed', failed);
    if (section.hidden) return;
    const n = anomalies.length;
    const count = n === 1 ? '1 anomaly' : n + ' anomalies';
    const view = state.data.cells > 0 ? 'the view below is the last good compile.' : 'nothing compiled to show yet.';
    $('anomalies-title').textContent = failed
      ? 'The last compile (' + c.time + ') failed' + (n ? ' with ' + count : '') + ': ' + view
      : 'The compile (' + c.time + ') met ' + count + '.';
    for (const p of problems) errors.appendChild(el('li', {}, p));
    anomalies.forEach((a, i) => {
      const item = state.byKey.get('a' + i);
      const li = el('li', { 'data-key': item.key });
      if (item.key === state.selected) li.classList.add('selected');
      const b = el('button', { type: 'button' }, a.file + (a.line ? ':' + a.line : ''));
      b.addEventListener('click', () => select(item, true));
      li.appendChild(b);
      const at = a.position === null || a.position === undefined ? '' : ' at ' + a.position + ' m';
      li.appendChild(document.createTextNode(' anomaly ' + a.code + at + ': ' + a.message));
      list.appendChild(li);
    });
  }

  // ---- Loading a scenario, the first time and after each compile ----

  function load(data, newProfile) {
    const hadPlan = !!state.geo;
    state.data = data;
    state.generation = data.compile ? data.compile.generation : null;
    const general = data.general || {};
    const c = data.compile;
    const line = general.line ? general.line.name : c ? c.line_file : '';
    const train = general.train ? general.train.name : c ? c.train_file : '';
    document.title = line.trim() + ' \u2014 ' + train.trim();
    $('title').textContent = 'Line ' + line + ' \u2014 train ' + train;
    $('subtitle').textContent = !(data.cells > 0) ? '' : 'route ' + km(routeLength()).replace(/0+$/, '').replace(/\.$/, '') +
      ' km, ' + data.cells + ' cells of 50 m, ' + (data.stations || []).length + ' stations, ' +
      (data.sign_boards || []).length + ' sign boards, ' + (data.point_features || []).length + ' point features';
    state.geo = decodePlan(data.plan);
    state.items = buildItems(data);
    state.byKey = new Map(state.items.map((it) => [it.key, it]));
    if (state.selected && !state.byKey.has(state.selected)) state.selected = null;
    document.querySelector('main').classList.toggle('no-plan', !state.geo);
    $('legend').hidden = !state.geo;
    $('plan-tools').hidden = !state.geo;
    measure();
    if (state.geo && (!hadPlan || !state.view)) fitView();
    buildPlan();
    if (newProfile) {
      const old = $('profile-svg');
      if (old) old.replaceWith(newProfile);
      else $('profile-panel').appendChild(newProfile);
    }
    setupProfile();
    $('profile-panel').hidden = !profileFrame();
    buildTables();
    renderAnomalies();
    const sel = state.selected && state.byKey.get(state.selected);
    if (sel) select(sel, false);
    const tip = $('tip');
    tip.hidden = true;
    tip.removeAttribute('data-key');
    render();
  }

  function measure() {
    const r = $('plan').getBoundingClientRect();
    state.width = Math.max(r.width, 1);
    state.height = Math.max(r.height, 1);
    $('plan').setAttribute('viewBox', '0 0 ' + state.width + ' ' + state.height);
  }

  // ---- Following a `watch`: the event stream says a compile has ended ----

  let reloading = false;
  let again = false;

  async function reload() {
    if (reloading) { again = true; return; }
    reloading = true;
    try {
      const r = await fetch('/', { cache: 'no-store' });
      if (!r.ok) throw new Error('HTTP ' + r.status);
      const doc = new DOMParser().parseFromString(await r.text(), 'text/html');
      const data = JSON.parse(doc.getElementById('scenario-data').textContent);
      const prof = doc.getElementById('profile-svg');
      load(data, prof ? document.adoptNode(prof) : null);
      setLive(true);
    } catch (err) {
      setLive(false, 'could not fetch the new page (' + err.message + ')');
    } finally {
      reloading = false;
      if (again) { again = false; reload(); }
    }
  }

  function setLive(ok, why) {
    const live = $('live');
    live.hidden = false;
    live.classList.toggle('lost', !ok);
    const c = state.data.compile;
    live.textContent = ok
      ? 'live: compiled ' + (c ? c.time : '') + ', follows every save'
      : 'not connected to watch: ' + (why || 'retrying');
  }

  function follow() {
    if (!/^https?:$/.test(location.protocol) || !window.EventSource) return;
    const es = new EventSource('/events');
    es.addEventListener('compiled', (e) => {
      let g = null;
      try { g = JSON.parse(e.data).generation; } catch (err) { g = null; }
      if (g === null || g !== state.generation) reload();
      else setLive(true);
    });
    es.addEventListener('error', () => setLive(false));
  }

  // ---- Wiring ----

  function wire() {
    const plan = $('plan');
    let drag = null;
    plan.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || !state.view) return;
      drag = { x: e.clientX, y: e.clientY, cx: state.view.cx, cy: state.view.cy, moved: false };
      plan.setPointerCapture(e.pointerId);
    });
    plan.addEventListener('pointermove', (e) => {
      if (drag) {
        const dx = e.clientX - drag.x, dy = e.clientY - drag.y;
        if (!drag.moved && Math.hypot(dx, dy) < 4) return;
        if (!drag.moved) { drag.moved = true; plan.classList.add('dragging'); showTip(null); }
        state.view.cx = drag.cx - dx / state.view.k;
        state.view.cy = drag.cy + dy / state.view.k;
        schedule();
        return;
      }
      planHover(e);
    });
    const end = (e) => {
      if (!drag) return;
      const click = !drag.moved;
      drag = null;
      plan.classList.remove('dragging');
      if (click && e.type === 'pointerup') {
        const [px, py] = localPoint(e);
        const mk = markNear(px, py);
        if (mk) select(mk.item, false);
      }
    };
    plan.addEventListener('pointerup', end);
    plan.addEventListener('pointercancel', end);
    plan.addEventListener('pointerleave', () => { if (!drag) { setCursor(null); showTip(null); } });
    plan.addEventListener('wheel', (e) => {
      if (!state.view) return;
      e.preventDefault();
      const unit = e.deltaMode === 1 ? 16 : e.deltaMode === 2 ? 400 : 1;
      const [px, py] = localPoint(e);
      zoomAt(Math.exp(-e.deltaY * unit * 0.002), px, py);
    }, { passive: false });
    plan.addEventListener('dblclick', (e) => {
      if (!state.view) return;
      const [px, py] = localPoint(e);
      zoomAt(e.shiftKey ? 0.5 : 2, px, py);
    });
    $('zoom-in').addEventListener('click', () => state.view && zoomAt(2, state.width / 2, state.height / 2));
    $('zoom-out').addEventListener('click', () => state.view && zoomAt(0.5, state.width / 2, state.height / 2));
    $('zoom-fit').addEventListener('click', () => { if (state.geo) { fitView(); schedule(); } });

    const prof = $('profile-panel');
    prof.addEventListener('pointermove', profileHover);
    prof.addEventListener('pointerleave', () => { setCursor(null); showTip(null); });
    prof.addEventListener('click', (e) => {
      const best = profileHover(e);
      if (best) select(best.it, true);
    });

    $('tab-stations').addEventListener('click', () => showTab('tab-stations'));
    $('tab-features').addEventListener('click', () => showTab('tab-features'));

    new ResizeObserver(() => {
      const before = [state.width, state.height];
      measure();
      if (state.view && (before[0] !== state.width || before[1] !== state.height)) schedule();
    }).observe(plan);
    $('plan-panel').appendChild(legend());
  }

  wire();
  load(JSON.parse($('scenario-data').textContent), null);
  follow();
})();
