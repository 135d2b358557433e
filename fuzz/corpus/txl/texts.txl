Vorlauf|Heizkreis 2|=31207
a~b||=70401
|||=2001414
