{ MULTILEVEL
Mode=max
Flag=0
Num= -0x7fffffff
ðŸ˜€=í ½
}
