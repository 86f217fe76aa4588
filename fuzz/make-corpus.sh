#!/usr/bin/env bash
# Writes the small seed inputs of the fuzz targets into fuzz/corpus/<target>/.
# Safe to run again: it rewrites the same files.
set -euo pipefail
cd "$(dirname "$0")"

seed() { # seed TARGET NAME PRINTF-FORMAT
  mkdir -p "corpus/$1"
  printf "$3" > "corpus/$1/$2"
}

seed text_config menu 'HTML index.htm\r\nURL http://example.com/ ; home\r\n\r\n; note\r\nMENU Tools\n'
seed text_config tabs '\tKEY   a b  \n   \nALONE\nlast'
seed text_config binary 'K\001\377 v\000x\r\r\n;;\n'

seed colour hash '#ff0000'
seed colour name 'Navy'
seed colour prefix '  0X00ff80zz'
seed colour sign '+12'

# GIF: the signature, the logical screen size, flags.
seed gif gif87a 'GIF87a\100\001\310\000\367\000\000'
seed gif gif89a 'GIF89a\377\377\001\000\000\000\000;'

# JPEG: SOI, JFIF APP0, a comment, DQT, a baseline frame, DHT, a scan and EOI.
app0='\377\340\000\020JFIF\000\001\001\001\000\110\000\110\000\000'
frame='\377\300\000\021\010\001\340\002\200\003\001\042\000\002\021\001\003\021\001'
scan='\377\332\000\014\003\001\000\002\021\003\021\000\077\000\022\377\000\064\377\331'
seed jpeg jfif "\377\330${app0}\377\376\000\006note${frame}\377\304\000\005\000\000\000${scan}"
seed jpeg exif "\377\330\377\341\000\014Exif\000\000MM\000\052\377\333\000\004\000\001\377\302\000\013\010\000\020\234\100\001\001\021\000${scan}"
seed jpeg jfif2 "\377\330\377\340\000\020JFIF\000\002\001\001\000\110\000\110\000\000${frame}"
seed jpeg fill "\377\377\330${app0}\377\377\000\377\311\000\013\010\000\001\000\001\001\001\021\000"

# PNG: the signature and the IHDR chunk.
seed png rgba '\211PNG\r\n\032\n\000\000\000\015IHDR\000\000\007\200\000\000\004\070\010\006\000\000\000\000\000\000\000'
seed png tiny '\211PNG\r\n\032\n\000\000\000\015IHDR\000\000\000\001\000\000\000\001\010\000\000\000\000'

seed url windows 'C:\\web\\\000C:\\other\\c.gif'
seed url native '/home/u/web/\000file:///home/u/web/img/b.gif'
seed url mail '\024\006\000\000/tmp\000Jo <jo@example.com>'

seed check_page page '<!DOCTYPE html><title>t</title><p><b><i>x</b></i><div><span>y</div><table><td>z</table>&copy2 &foo;'
seed check_page sgml '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN"><TITLE><B>t</TITLE><UL><LI><B>x<LI>y</UL><svg><path/></svg>'
seed tag_finder page '<HTML><!-- c <B> --><A HREF="x>y">a</A> 1 < 2 > 0 <a <b></B>'
seed tag_finder unclosed 'text <!-- open <P'

seed page_colouring comment-and-script '\005\000\000\000\003\001<p>a <!-- <b> --> <style>p{x:1}</style><script>s="</b>"; /r/g; `${1}`</script>&amp;-->'
seed page_colouring values ' \000\002\000\002\000<a href="x?a&amp;b" onclick="f(1)" style="c:#fff">t</a>/*'
