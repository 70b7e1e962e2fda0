// Gives the page's scrollbars the colours that its style sheets set with the scrollbar colour
// properties of older browsers (scrollbar-face-color and the like). The engine ignores those
// properties, so their colours are carried over into scrollbar rules of its own, drawn as the
// classic raised 3D scrollbar: light and highlight edges at the top and left, shadow and dark
// shadow at the bottom and right.
(function () {
    'use strict';

    var context = document.createElement('canvas').getContext('2d');

    // "#rrggbb" for a colour the engine can read, or null.
    function readColor(text) {
        text = text.trim();
        if (!CSS.supports('color', text))
            return null;
        context.fillStyle = '#000000';
        context.fillStyle = text;
        return /^#[0-9a-f]{6}$/.test(context.fillStyle) ? context.fillStyle : null;
    }

    // `color` moved towards `target` by `share` (0 to 1).
    function mix(color, target, share) {
        var result = '#';
        for (var i = 1; i < 7; i += 2) {
            var from = parseInt(color.substr(i, 2), 16);
            var to = parseInt(target.substr(i, 2), 16);
            result += ('0' + Math.round(from + (to - from) * share).toString(16)).slice(-2);
        }
        return result;
    }

    var given = {};
    var found = false;
    var pattern = /scrollbar-(face|arrow|highlight|3dlight|shadow|darkshadow|track|base)-color\s*:\s*([^;}]*)/gi;
    var styles = document.getElementsByTagName('style');
    for (var s = 0; s < styles.length; ++s) {
        var text = styles[s].textContent;
        for (var match = pattern.exec(text); match; match = pattern.exec(text)) {
            var color = readColor(match[2]);
            if (color) {
                given[match[1].toLowerCase()] = color;
                found = true;
            }
        }
    }
    if (!found)
        return;

    // The system's classic colours stand in for any part the page leaves out; a base colour
    // gives every part a shade of itself.
    var colors = {
        face: '#c0c0c0', arrow: '#000000', highlight: '#ffffff', '3dlight': '#c0c0c0',
        shadow: '#808080', darkshadow: '#000000', track: '#e0e0e0'
    };
    if (given.base) {
        var base = given.base;
        colors = {
            face: base, arrow: mix(base, '#000000', 0.75), highlight: mix(base, '#ffffff', 0.5),
            '3dlight': base, shadow: mix(base, '#000000', 0.5),
            darkshadow: mix(base, '#000000', 0.75), track: mix(base, '#ffffff', 0.5)
        };
    }
    for (var part in colors) {
        if (given[part])
            colors[part] = given[part];
    }

    function arrow(points) {
        var svg = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' "
            + "shape-rendering='crispEdges'><polygon points='" + points + "' fill='"
            + colors.arrow + "'/></svg>";
        return 'url("data:image/svg+xml,' + encodeURIComponent(svg) + '")';
    }

    var raised = 'background-color: ' + colors.face + '; border: 1px solid; border-color: '
        + colors['3dlight'] + ' ' + colors.darkshadow + ' ' + colors.darkshadow + ' '
        + colors['3dlight'] + '; box-shadow: inset 1px 1px ' + colors.highlight
        + ', inset -1px -1px ' + colors.shadow + ';';
    var bar = '::-webkit-scrollbar';
    var button = bar + '-button';
    var rules = [
        bar + ' { width: 16px; height: 16px; background-color: ' + colors.track + '; }',
        bar + '-track { background-color: ' + colors.track + '; }',
        bar + '-corner { background-color: ' + colors.face + '; }',
        bar + '-thumb { ' + raised + ' }',
        button + ':single-button { display: block; width: 16px; height: 16px; ' + raised
            + ' background-repeat: no-repeat; background-position: center; }',
        button + ':single-button:active { border-color: ' + colors.shadow
            + '; box-shadow: none; background-position: 5px 5px; }',
        button + ':vertical:start:increment, ' + button + ':vertical:end:decrement, '
            + button + ':horizontal:start:increment, ' + button
            + ':horizontal:end:decrement { display: none; }',
        button + ':vertical:decrement { background-image: ' + arrow('4,10 11,10 7.5,6.5') + '; }',
        button + ':vertical:increment { background-image: ' + arrow('4,6 11,6 7.5,9.5') + '; }',
        button + ':horizontal:decrement { background-image: ' + arrow('10,4 10,11 6.5,7.5')
            + '; }',
        button + ':horizontal:increment { background-image: ' + arrow('6,4 6,11 9.5,7.5')
            + '; }'
    ];
    var sheet = document.createElement('style');
    sheet.textContent = rules.join('\n');
    (document.head || document.documentElement).appendChild(sheet);
})();
