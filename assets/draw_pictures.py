#!/usr/bin/env python3
"""Draws Nuvessa's own pictures and icon.

Writes the drawings as SVG (standard library only), then renders them with
ImageMagick's `convert`:

  icons/nuvessa.svg                 the emblem: a drop of blood with a cross
  icons/nuvessa-16.png, -32, -48    the window and desktop icon
  icons/nuvessa.ico                 the same, 16 to 256 pixels, for Windows
  art/main-picture.svg  -> Ut1.jpg  the main window's picture (mother and child)
  art/splash-picture.svg -> UT2.jpg the splash screen's picture

The pictures are drawn at twice the size of their boxes on the screens, so
they stay sharp when the program stretches them. Run from anywhere:

  python3 assets/draw_pictures.py
"""

import pathlib
import shutil
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent

# Calm colours: deep teal for people, a muted crimson for the drop.
TEAL = "#1f6f78"
TEAL_LIGHT = "#6fb7b7"
TEAL_ARM = "#2b8a93"  # a shade lighter, so the arm reads against the robe
CRIMSON = "#b3263a"
CRIMSON_DARK = "#7d1526"
CREAM = "#fdf8ef"
SKY = "#dff3f1"
HALO = "#f7e7b4"
WHITE = "#ffffff"

# ImageMagick's own SVG renderer outlines shapes unless told not to.
NO_STROKE = ' stroke="none"'


def drop(cx, top, width, colour, cross_colour, outline=None):
    """A drop of blood, pointed at the top and round below, with a cross in
    its round part. `width` is the drop's width; its height is 1.45 times it."""
    r = width / 2
    height = width * 1.45
    bottom = top + height
    belly = bottom - r  # centre of the round part
    k = r * 0.5523  # control distance that makes a quarter circle of cubics
    path = (
        f"M {cx:.2f} {top:.2f} "
        f"C {cx + r * 0.25:.2f} {top + height * 0.22:.2f} {cx + r:.2f} {belly - r * 0.55:.2f} {cx + r:.2f} {belly:.2f} "
        f"C {cx + r:.2f} {belly + k:.2f} {cx + k:.2f} {bottom:.2f} {cx:.2f} {bottom:.2f} "
        f"C {cx - k:.2f} {bottom:.2f} {cx - r:.2f} {belly + k:.2f} {cx - r:.2f} {belly:.2f} "
        f"C {cx - r:.2f} {belly - r * 0.55:.2f} {cx - r * 0.25:.2f} {top + height * 0.22:.2f} {cx:.2f} {top:.2f} Z"
    )
    stroke = f' stroke="{outline}" stroke-width="{width * 0.04:.2f}"' if outline else NO_STROKE
    arm = r * 0.95  # the cross's full length
    bar = r * 0.32  # and its thickness
    return (
        f'<path d="{path}" fill="{colour}"{stroke}/>\n'
        f'<rect x="{cx - bar / 2:.2f}" y="{belly - arm / 2:.2f}" width="{bar:.2f}" height="{arm:.2f}" fill="{cross_colour}"{NO_STROKE}/>\n'
        f'<rect x="{cx - arm / 2:.2f}" y="{belly - bar / 2:.2f}" width="{arm:.2f}" height="{bar:.2f}" fill="{cross_colour}"{NO_STROKE}/>\n'
    )


def mother_and_child(x, y, s, body, child):
    """A stylised mother holding her child, in a box of 100 x 120 units at
    (x, y), scaled by s. No faces, no detail: a calm silhouette."""
    def p(px, py):
        return f"{x + px * s:.2f} {y + py * s:.2f}"

    mother_head = f'<circle cx="{x + 38 * s:.2f}" cy="{y + 20 * s:.2f}" r="{13 * s:.2f}" fill="{body}"{NO_STROKE}/>\n'
    # Shoulders and a long robe that flares to the ground.
    robe = (
        f'<path d="M {p(38, 36)} '
        f"C {p(20, 36)} {p(14, 48)} {p(14, 62)} "
        f"C {p(14, 84)} {p(8, 104)} {p(4, 120)} "
        f"L {p(84, 120)} "
        f"C {p(78, 104)} {p(70, 90)} {p(66, 78)} "
        f"C {p(64, 56)} {p(58, 36)} {p(38, 36)} Z\" fill=\"{body}\"{NO_STROKE}/>\n"
    )
    child_head = f'<circle cx="{x + 60 * s:.2f}" cy="{y + 52 * s:.2f}" r="{9 * s:.2f}" fill="{child}"{NO_STROKE}/>\n'
    # The child's wrapped body, lying along the mother's arm.
    bundle = (
        f'<path d="M {p(52, 58)} '
        f"C {p(62, 62)} {p(74, 62)} {p(86, 58)} "
        f"C {p(92, 64)} {p(88, 76)} {p(76, 78)} "
        f"C {p(64, 80)} {p(50, 74)} {p(46, 66)} Z\" fill=\"{child}\"{NO_STROKE}/>\n"
    )
    # The mother's arm, a soft band cradling the child from below.
    arm = (
        f'<path d="M {p(24, 52)} '
        f"C {p(30, 78)} {p(62, 90)} {p(92, 64)} "
        f"C {p(94, 70)} {p(90, 78)} {p(84, 82)} "
        f"C {p(60, 98)} {p(26, 88)} {p(18, 62)} Z\" fill=\"{TEAL_ARM}\"{NO_STROKE}/>\n"
    )
    return mother_head + robe + child_head + bundle + arm


def svg(width, height, content, background=None):
    fill = f'<rect width="{width}" height="{height}" fill="{background}"{NO_STROKE}/>\n' if background else ""
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n{fill}{content}</svg>\n'
    )


def icon_svg():
    # A 100 x 100 drop, filling the height, centred; bold enough for 16 pixels.
    return svg(100, 100, drop(50, 2, 66, CRIMSON, WHITE, outline=CRIMSON_DARK))


def main_picture_svg():
    # 386 x 434: twice the main window's picture box.
    w, h = 386, 434
    content = (
        f'<rect y="{h * 0.62:.0f}" width="{w}" height="{h * 0.38:.0f}" fill="{CREAM}"{NO_STROKE}/>\n'
        f'<circle cx="{w * 0.52:.0f}" cy="{h * 0.36:.0f}" r="{w * 0.40:.0f}" fill="{HALO}"{NO_STROKE}/>\n'
        + mother_and_child(w * 0.12, h * 0.10, 3.0, TEAL, TEAL_LIGHT)
        + drop(w * 0.84, h * 0.76, 44, CRIMSON, WHITE)
    )
    return svg(w, h, content, background=SKY)


def splash_picture_svg():
    # 258 x 210: twice the splash screen's picture box.
    w, h = 258, 210
    content = (
        f'<rect y="{h * 0.70:.0f}" width="{w}" height="{h * 0.30:.0f}" fill="{CREAM}"{NO_STROKE}/>\n'
        f'<circle cx="{w * 0.40:.0f}" cy="{h * 0.44:.0f}" r="{h * 0.40:.0f}" fill="{HALO}"{NO_STROKE}/>\n'
        + mother_and_child(w * 0.14, h * 0.06, 1.6, TEAL, TEAL_LIGHT)
        + drop(w * 0.82, h * 0.22, 50, CRIMSON, WHITE)
    )
    return svg(w, h, content, background=SKY)


def render(source, target, *options):
    subprocess.run(["convert", "-background", "none", "-density", "384", str(source), *options, str(target)],
                   check=True)


def main():
    if not shutil.which("convert"):
        sys.exit("draw_pictures: ImageMagick's convert is needed (apt-get install imagemagick)")
    (HERE / "art").mkdir(exist_ok=True)
    (HERE / "icons").mkdir(exist_ok=True)

    icon = HERE / "icons" / "nuvessa.svg"
    icon.write_text(icon_svg())
    for size in (16, 32, 48):
        render(icon, HERE / "icons" / f"nuvessa-{size}.png", "-resize", f"{size}x{size}", "-depth", "8", "-strip")
    # Windows picks the size it needs from one file: Explorer and the Start
    # menu ask for the large ones, a title bar at 200 % for 32 pixels.
    render(icon, HERE / "icons" / "nuvessa.ico", "-define", "icon:auto-resize=256,64,48,40,32,24,20,16")

    main_art = HERE / "art" / "main-picture.svg"
    main_art.write_text(main_picture_svg())
    render(main_art, HERE / "Ut1.jpg", "-resize", "386x434!", "-background", WHITE, "-flatten",
           "-quality", "90", "-strip")

    splash_art = HERE / "art" / "splash-picture.svg"
    splash_art.write_text(splash_picture_svg())
    render(splash_art, HERE / "UT2.jpg", "-resize", "258x210!", "-background", WHITE, "-flatten",
           "-quality", "90", "-strip")


if __name__ == "__main__":
    main()
